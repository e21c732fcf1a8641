-- dbBible.dat: the Bible text and the lookup tables behind the selectors (read only at run time).
CREATE TABLE "tblBible" (
  "ID" INTEGER PRIMARY KEY,
  "Testament" TEXT NOT NULL,
  "BookAbbreviation" TEXT NOT NULL,
  "Chapter" INTEGER NOT NULL,
  "Sections" INTEGER NOT NULL,
  "Text" TEXT NOT NULL
);
CREATE INDEX "idxBibleBookChapter" ON "tblBible" ("BookAbbreviation", "Chapter", "Sections");
CREATE TABLE "tblBibleBook" (
  "Index" INTEGER PRIMARY KEY AUTOINCREMENT,
  "Book" TEXT NOT NULL,
  "Testament" TEXT NOT NULL,
  "BookAbbreviation" TEXT NOT NULL UNIQUE
);
CREATE TABLE "tblGetNumberOfSection" (
  "BookAbbreviation" TEXT NOT NULL,
  "Chapter" INTEGER NOT NULL,
  "NumOfSection" INTEGER NOT NULL,
  PRIMARY KEY ("BookAbbreviation", "Chapter")
);
CREATE TABLE "tblSettings_ComboBox_Double_Value" (
  "Index" INTEGER PRIMARY KEY AUTOINCREMENT,
  "DataFieldCategory" TEXT NOT NULL,
  "DataFieldExternalName" TEXT NOT NULL,
  "DataFieldInternalName" TEXT NOT NULL
);
CREATE TABLE "tblSettings_Combox" (
  "ComboxCategory" TEXT NOT NULL,
  "ComboxItem" TEXT NOT NULL
);
