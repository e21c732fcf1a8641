-- dbOptions.pre: display options, the last passage read, bookmarks and their links.
CREATE TABLE "tblOptions" (
  "InsertNewLineAfterText" INTEGER,
  "ShowChapterSection" INTEGER,
  "MemorizeMySettings" INTEGER,
  "DefaultFont" TEXT,
  "DefaultFontSize" INTEGER,
  "DefaultFontBold" TEXT,
  "DefaultFontItalic" TEXT,
  "DefaultFontUnderline" TEXT,
  "DefaultFontStrikethru" TEXT,
  "DefaultFontColor" TEXT,
  "BookMarkTestament" TEXT,
  "BookMarkBook" TEXT,
  "BookMarkChapter" INTEGER,
  "BookMarkSection" INTEGER,
  "BookMarkToChapter" INTEGER,
  "BookMarkToSection" INTEGER
);
INSERT INTO "tblOptions" VALUES (1, 1, 1, 'DejaVu Serif', 11, 'False', 'False', 'False', 'False', '0',
  'Old Testament', 'Genesis', 1, 1, 1, 31);

CREATE TABLE "tblBookmark" (
  "Index" INTEGER PRIMARY KEY AUTOINCREMENT,
  "BookMarkTestament" TEXT,
  "BookMarkBook" TEXT,
  "BookMarkChapter" INTEGER,
  "BookMarkSection" INTEGER,
  "BookMarkToBook" TEXT,
  "BookMarkToChapter" INTEGER,
  "BookMarkToSection" INTEGER,
  "BookMarkNotes" TEXT,
  "BookmarkReference" TEXT,
  "BookmarkHooker" TEXT,
  "AssociatedBookmarkReferenceList" TEXT
);
CREATE UNIQUE INDEX "idxBookmarkReference" ON "tblBookmark" ("BookmarkReference");

CREATE TABLE "tblBookmark_Relation" (
  "BookmarkReference" TEXT,
  "HookedBookmarkReference" TEXT
);
CREATE INDEX "idxBookmarkRelationFrom" ON "tblBookmark_Relation" ("BookmarkReference");
