-- The vault's five tables. Encoded columns hold the field codec's output.
-- PDFList lets the entry list, the duplicate check and the category counts read less than the whole table.
CREATE TABLE Cats (CatName TEXT);
CREATE TABLE CatDef (pwCat TEXT, pwDesc TEXT, pwUDF1 TEXT, pwUDF2 TEXT, pwUDF3 TEXT, pwUDF4 TEXT, pwNotes TEXT, pwImg INTEGER);
CREATE TABLE PDF (pNum INTEGER PRIMARY KEY AUTOINCREMENT, PDF1 TEXT, PDF2 TEXT, PDF3 TEXT, PDF4 TEXT, PDF5 TEXT, PDF6 TEXT, sCat TEXT, dtLU TEXT);
CREATE TABLE eAttach (eID TEXT, AttachName TEXT, AttachPath TEXT, AttachPic TEXT);
CREATE TABLE LPass (UPass TEXT, RUL TEXT, URetry TEXT);
CREATE INDEX PDFList ON PDF (PDF1, sCat);

