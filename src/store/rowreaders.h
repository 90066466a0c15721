#pragma once

#include "records.h"
#include "sqlite.h"

// A CatDef row (SelectCategoryDefinition) as a category definition: titles with apostrophes
// back, the picture number checked.
CategoryDefinition categoryDefinitionOf(const sqlite::Statement& row);
