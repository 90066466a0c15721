#pragma once

// Removes the entry shown in the main window (its key in the hidden key label) and its
// attachment rows, refills the entry list under the same filter and selects the entry that
// followed it.
void DeleteEntry();
