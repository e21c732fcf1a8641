-- dbStory.dat: Bible stories, one row per part; the backup table mirrors it column for column.
CREATE TABLE "tblBibleStory" (
  "Index" INTEGER PRIMARY KEY AUTOINCREMENT,
  "StoryNumber" INTEGER,
  "StoryPartNumber" INTEGER,
  "StoryName" TEXT,
  "StoryTestament" TEXT,
  "StoryBook" TEXT,
  "StoryChapter" INTEGER,
  "StorySection" INTEGER,
  "StoryToBook" TEXT,
  "StoryToChapter" INTEGER,
  "StoryToSection" INTEGER,
  "StoryNotes" TEXT,
  "StoryImagePath" TEXT,
  "StoryImageType" TEXT,
  "StoryImage" BLOB
);
CREATE INDEX "idxBibleStoryNumber" ON "tblBibleStory" ("StoryNumber", "StoryPartNumber");
CREATE TABLE "tblBibleStory_Backup" (
  "Index" INTEGER PRIMARY KEY AUTOINCREMENT,
  "StoryNumber" INTEGER,
  "StoryPartNumber" INTEGER,
  "StoryName" TEXT,
  "StoryTestament" TEXT,
  "StoryBook" TEXT,
  "StoryChapter" INTEGER,
  "StorySection" INTEGER,
  "StoryToBook" TEXT,
  "StoryToChapter" INTEGER,
  "StoryToSection" INTEGER,
  "StoryNotes" TEXT,
  "StoryImagePath" TEXT,
  "StoryImageType" TEXT,
  "StoryImage" BLOB
);
