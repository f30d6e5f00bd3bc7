-- Tables and views of the Quorin database. The program never creates or alters tables: the build
-- runs this file, then seed.sql, into the default database Data/quorin.db.
--
-- Declared types tell the data-access layer which field class a column gets:
--   INTEGER      32-bit integer field          REAL      double field
--   VARCHAR(n)   text field of n characters     TEXT      memo (text of any length)
--   DATETIME     date-time field, stored as text 'YYYY-MM-DD HH:MM:SS'
--   BOOLEAN      yes/no field, stored as 1 or 0
--   INTEGER PRIMARY KEY AUTOINCREMENT   auto-number, assigned when a row is appended
-- Text keys, join columns and the columns the program compares in SQL use COLLATE NOCASE, so that
-- "=" ignores the case of Latin letters as the program expects. Passwords keep the exact compare.
-- Where no length is prescribed, the chosen one is marked "chosen".

-- People and organisation ----------------------------------------------------------------------

-- The one row of school information printed in report headers.
CREATE TABLE Tb_SchoolInfo (
  Fd_SchoolName VARCHAR(50),              -- chosen
  Fd_Manager    VARCHAR(24),              -- chosen: as long as a teacher's name
  Fd_Phone      VARCHAR(24),              -- chosen: as a teacher's phone
  Fd_Zip        VARCHAR(6),
  Fd_Address    VARCHAR(50),
  Fd_Introduce  TEXT
);

-- The grades, in the order the grade lists show them.
CREATE TABLE Tb_Grade (
  Fd_Grade VARCHAR(10) NOT NULL COLLATE NOCASE PRIMARY KEY   -- chosen
);

-- Classes: a grade and a numeral ("高一三"); the display order is set by the class-order dialog and
-- is empty for a class added since.
CREATE TABLE Tb_Classes (
  Fd_Grade   VARCHAR(10) COLLATE NOCASE,
  Fd_Class   VARCHAR(20) NOT NULL COLLATE NOCASE PRIMARY KEY,  -- chosen
  Fd_OrderNo INTEGER
);

-- Students. The number is typed by the user and is not an auto-number: a row without one must be
-- refused, so it is a unique column rather than the row id. The check keeps it within the 32-bit
-- integer that every reader of it uses.
CREATE TABLE Tb_Students (
  Fd_StuNo    INTEGER NOT NULL UNIQUE CHECK (Fd_StuNo BETWEEN -2147483648 AND 2147483647),
  Fd_Name     VARCHAR(30),
  Fd_Sex      VARCHAR(2) COLLATE NOCASE,
  Fd_Class    VARCHAR(20) COLLATE NOCASE,
  Fd_InSchool VARCHAR(20),                -- chosen: the entry date as typed
  Fd_Birthday DATETIME,
  Fd_FreeSign BOOLEAN NOT NULL DEFAULT 0
);
CREATE INDEX Ix_Students_Class ON Tb_Students (Fd_Class);

-- Exemption details: one row per exempt student.
CREATE TABLE Tb_FreeStudent (
  Fd_StuNo      INTEGER NOT NULL UNIQUE,
  Fd_FreeReason VARCHAR(50),
  Fd_FreeDate   VARCHAR(20),
  Fd_Remark     VARCHAR(40)
);

-- Teachers, who are also the program's users. Rights: 0 PE teacher, 1 administrator.
CREATE TABLE Tb_Teachers (
  Fd_LogID    VARCHAR(16) NOT NULL COLLATE NOCASE PRIMARY KEY,
  Fd_Password VARCHAR(8),
  Fd_Name     VARCHAR(24),
  Fd_Rights   INTEGER,
  Fd_Sex      VARCHAR(2) COLLATE NOCASE,
  Fd_Phone    VARCHAR(24),
  Fd_Zip      VARCHAR(6),
  Fd_Address  VARCHAR(50)
);

-- Classes taught: one row per teacher and class.
CREATE TABLE Tb_TeacherTask (
  Fd_LogID   VARCHAR(16) NOT NULL COLLATE NOCASE,
  Fd_Classes VARCHAR(20) NOT NULL COLLATE NOCASE,
  PRIMARY KEY (Fd_LogID, Fd_Classes)
);

-- Items, standards and terms -------------------------------------------------------------------

-- Fitness-standard items. The item number and the score column name are also column names of
-- Tb_UptoCard. The general score takes the best item of each of the five categories.
CREATE TABLE Tb_UptoProg (
  Fd_ProgNo   VARCHAR(10) NOT NULL COLLATE NOCASE PRIMARY KEY,  -- chosen
  Fd_ProgName VARCHAR(30),                                      -- chosen
  Fd_Nutric   VARCHAR(2) CHECK (Fd_Nutric IN ('秒', '米', '次', '个')),
  Fd_ProgType INTEGER CHECK (Fd_ProgType BETWEEN 1 AND 5),
  Fd_FenField VARCHAR(30) COLLATE NOCASE                        -- chosen
);

-- Examination items. The part scores "BP101", "DP101" and the sport-skill items are not items of
-- this table.
CREATE TABLE Tb_ExamProg (
  Fd_ProgNo   VARCHAR(10) NOT NULL COLLATE NOCASE PRIMARY KEY,
  Fd_ProgName VARCHAR(30),
  Fd_Nutric   VARCHAR(2) CHECK (Fd_Nutric IN ('秒', '米', '次', '个')),
  Fd_FenField VARCHAR(30) COLLATE NOCASE
);

-- Sport-skill items, each belonging to one grade; their numbers are unique across the grades, so
-- that a result names exactly one item.
CREATE TABLE Tb_TechProg (
  Fd_ProgNo   VARCHAR(10) NOT NULL COLLATE NOCASE PRIMARY KEY,
  Fd_ProgName VARCHAR(30),
  Fd_Grade    VARCHAR(10) COLLATE NOCASE
);
CREATE INDEX Ix_TechProg_Grade ON Tb_TechProg (Fd_Grade);

-- Scoring standards, one row per grade, sex and item: the threshold of score level L is column
-- "Fd_Fen" followed by L in at least two digits, in the item's unit (seconds for times). A
-- threshold of 0 or less is unset.
CREATE TABLE Tb_UptoStarnd (
  Fd_StarndID INTEGER PRIMARY KEY AUTOINCREMENT,
  Fd_ProgID   VARCHAR(10) COLLATE NOCASE,
  Fd_Grade    VARCHAR(10) COLLATE NOCASE,
  Fd_Sex      VARCHAR(2) COLLATE NOCASE,
  Fd_Fen00 REAL, Fd_Fen05 REAL, Fd_Fen10 REAL, Fd_Fen15 REAL, Fd_Fen20 REAL, Fd_Fen25 REAL,
  Fd_Fen30 REAL, Fd_Fen35 REAL, Fd_Fen40 REAL, Fd_Fen45 REAL, Fd_Fen50 REAL, Fd_Fen55 REAL,
  Fd_Fen60 REAL, Fd_Fen65 REAL, Fd_Fen70 REAL, Fd_Fen75 REAL, Fd_Fen80 REAL, Fd_Fen85 REAL,
  Fd_Fen90 REAL, Fd_Fen95 REAL, Fd_Fen100 REAL
);
CREATE UNIQUE INDEX Ix_UptoStarnd_Lookup ON Tb_UptoStarnd (Fd_Grade, Fd_Sex, Fd_ProgID);

CREATE TABLE Tb_ExamStarnd (
  Fd_StarndID INTEGER PRIMARY KEY AUTOINCREMENT,
  Fd_ProgID   VARCHAR(10) COLLATE NOCASE,
  Fd_Grade    VARCHAR(10) COLLATE NOCASE,
  Fd_Sex      VARCHAR(2) COLLATE NOCASE,
  Fd_Fen00 REAL, Fd_Fen05 REAL, Fd_Fen10 REAL, Fd_Fen15 REAL, Fd_Fen20 REAL, Fd_Fen25 REAL,
  Fd_Fen30 REAL, Fd_Fen35 REAL, Fd_Fen40 REAL, Fd_Fen45 REAL, Fd_Fen50 REAL, Fd_Fen55 REAL,
  Fd_Fen60 REAL, Fd_Fen65 REAL, Fd_Fen70 REAL, Fd_Fen75 REAL, Fd_Fen80 REAL, Fd_Fen85 REAL,
  Fd_Fen90 REAL, Fd_Fen95 REAL, Fd_Fen100 REAL
);
CREATE UNIQUE INDEX Ix_ExamStarnd_Lookup ON Tb_ExamStarnd (Fd_Grade, Fd_Sex, Fd_ProgID);

-- Which examination item counts for which fitness item. The same pair may be stored twice.
CREATE TABLE Tb_CountPoint (
  Fd_PointID INTEGER PRIMARY KEY AUTOINCREMENT,
  Fd_ExamNo  VARCHAR(10) COLLATE NOCASE,
  Fd_UptoNo  VARCHAR(10) COLLATE NOCASE
);

-- Terms; results store the term's id in Fd_TermType.
CREATE TABLE Tb_TermType (
  Fd_TermID    INTEGER PRIMARY KEY AUTOINCREMENT,
  Fd_TermName  VARCHAR(30),               -- chosen
  Fd_StartDate DATETIME,
  Fd_EndDate   DATETIME
);

-- Attendance kinds offered besides the built-in ones.
CREATE TABLE Tb_Duty (
  Fd_Name VARCHAR(10) COLLATE NOCASE      -- chosen
);

-- Results ----------------------------------------------------------------------------------------

-- Fitness-standard results of the students' current grade; Tb_UptoHistory holds those of earlier
-- grades, moved there by promotion.
CREATE TABLE Tb_UptoProcess (
  Fd_ProcID   INTEGER PRIMARY KEY AUTOINCREMENT,
  Fd_StuNo    INTEGER,
  Fd_TestDate DATETIME,
  Fd_ProgNo   VARCHAR(10) COLLATE NOCASE,
  Fd_Grade    VARCHAR(10) COLLATE NOCASE,
  Fd_Achieve  REAL,
  Fd_FenVal   INTEGER
);
CREATE INDEX Ix_UptoProcess_StuNo ON Tb_UptoProcess (Fd_StuNo);
-- A student's results of an item, the best first (highest score, then first stored), with their
-- performance: the fitness card finds each item's best result with one seek and no row lookup.
CREATE INDEX Ix_UptoProcess_Best ON Tb_UptoProcess (Fd_StuNo, Fd_ProgNo, Fd_FenVal DESC, Fd_ProcID, Fd_Achieve);

CREATE TABLE Tb_UptoHistory (
  Fd_ProcID   INTEGER PRIMARY KEY AUTOINCREMENT,
  Fd_StuNo    INTEGER,
  Fd_TestDate DATETIME,
  Fd_ProgNo   VARCHAR(10) COLLATE NOCASE,
  Fd_Grade    VARCHAR(10) COLLATE NOCASE,
  Fd_Achieve  REAL,
  Fd_FenVal   INTEGER
);
CREATE INDEX Ix_UptoHistory_StuNo ON Tb_UptoHistory (Fd_StuNo);

-- Examination results and part scores. Fd_TestPart: 0 attendance score ("DP101"), 1 basic
-- knowledge ("BP101"), 2 examination item (Tb_ExamProg), 3 sport skill (Tb_TechProg).
CREATE TABLE Tb_ExamProcess (
  Fd_ProcID   INTEGER PRIMARY KEY AUTOINCREMENT,
  Fd_StuNo    INTEGER,
  Fd_TestDate DATETIME,
  Fd_ProgNo   VARCHAR(10) COLLATE NOCASE,
  Fd_Grade    VARCHAR(10) COLLATE NOCASE,
  Fd_Achieve  REAL,
  Fd_FenVal   INTEGER,
  Fd_TestPart INTEGER,
  Fd_TermType INTEGER
);
CREATE INDEX Ix_ExamProcess_StuNo ON Tb_ExamProcess (Fd_StuNo);
-- Holds what the examination card takes of every result, in the order it groups them.
CREATE INDEX Ix_ExamProcess_Card ON Tb_ExamProcess (Fd_TestPart, Fd_StuNo, Fd_FenVal);

CREATE TABLE Tb_ExamHistory (
  Fd_ProcID   INTEGER PRIMARY KEY AUTOINCREMENT,
  Fd_StuNo    INTEGER,
  Fd_TestDate DATETIME,
  Fd_ProgNo   VARCHAR(10) COLLATE NOCASE,
  Fd_Grade    VARCHAR(10) COLLATE NOCASE,
  Fd_Achieve  REAL,
  Fd_FenVal   INTEGER,
  Fd_TestPart INTEGER,
  Fd_TermType INTEGER
);
CREATE INDEX Ix_ExamHistory_StuNo ON Tb_ExamHistory (Fd_StuNo);

-- Attendance register: one attendance kind per student and lesson date.
CREATE TABLE Tb_DutyProcess (
  Fd_DutyID   INTEGER PRIMARY KEY AUTOINCREMENT,
  Fd_StuNo    INTEGER,
  Fd_TestDate DATETIME,
  Fd_Duty     VARCHAR(10) COLLATE NOCASE
);
CREATE INDEX Ix_DutyProcess_StuNo ON Tb_DutyProcess (Fd_StuNo, Fd_TestDate);

-- Derived tables, emptied and rebuilt by the statistics -------------------------------------------

-- Fitness card: per fitness item of the delivered database, the performance (column named by the
-- item number) and the score (column named by the item's Fd_FenField) of the student's best
-- result. The columns follow the items of seed.sql; an item added later has no columns here.
CREATE TABLE Tb_UptoCard (
  Fd_StuNo     INTEGER NOT NULL UNIQUE,
  Fd_Grade     VARCHAR(10) COLLATE NOCASE,
  U11 REAL, F_U11 INTEGER,
  U21 REAL, F_U21 INTEGER,
  U22 REAL, F_U22 INTEGER,
  U31 REAL, F_U31 INTEGER,
  U32 REAL, F_U32 INTEGER,
  U41 REAL, F_U41 INTEGER,
  U42 REAL, F_U42 INTEGER,
  U51 REAL, F_U51 INTEGER,
  Fd_GernalFen INTEGER
);

-- Examination card: the four part scores and the weighted examination score.
CREATE TABLE Tb_ExamCard (
  Fd_StuNo     INTEGER NOT NULL UNIQUE,
  Fd_TestFen   INTEGER,
  Fd_TechFen   INTEGER,
  Fd_ClassFen  INTEGER,
  Fd_BasicFen  INTEGER,
  Fd_GernalFen INTEGER
);

-- Statistics per class, per grade and for the school: student counts, then count, rate in percent
-- and points of the four bands of the general score, then the unit points. The keys may be empty
-- (a student whose class no longer exists counts under an empty grade), so they are unique but
-- not required.
CREATE TABLE Tb_ClassesSum (
  Fd_Class           VARCHAR(20) COLLATE NOCASE UNIQUE,
  Fd_AllTotal        INTEGER,
  Fd_BoyTotal        INTEGER,
  Fd_GirlTotal       INTEGER,
  Fd_FreeTotal       INTEGER,
  Fd_TestTotal       INTEGER,
  Fd_ExcelCount      INTEGER,
  Fd_ExcelRation     INTEGER,
  Fd_ExcelFen        INTEGER,
  Fd_GoodCount       INTEGER,
  Fd_GoodRation      INTEGER,
  Fd_GoodFen         INTEGER,
  Fd_CommonCount     INTEGER,
  Fd_CommonRation    INTEGER,
  Fd_CommonFen       INTEGER,
  Fd_UnthroughCount  INTEGER,
  Fd_UnthroughRation INTEGER,
  Fd_UnthroughFen    INTEGER,
  Fd_GernalFen       INTEGER
);

CREATE TABLE Tb_GradeSum (
  Fd_Grade           VARCHAR(10) COLLATE NOCASE UNIQUE,
  Fd_AllTotal        INTEGER,
  Fd_BoyTotal        INTEGER,
  Fd_GirlTotal       INTEGER,
  Fd_FreeTotal       INTEGER,
  Fd_TestTotal       INTEGER,
  Fd_ExcelCount      INTEGER,
  Fd_ExcelRation     INTEGER,
  Fd_ExcelFen        INTEGER,
  Fd_GoodCount       INTEGER,
  Fd_GoodRation      INTEGER,
  Fd_GoodFen         INTEGER,
  Fd_CommonCount     INTEGER,
  Fd_CommonRation    INTEGER,
  Fd_CommonFen       INTEGER,
  Fd_UnthroughCount  INTEGER,
  Fd_UnthroughRation INTEGER,
  Fd_UnthroughFen    INTEGER,
  Fd_GernalFen       INTEGER
);

-- The school's one row has Fd_AutoID 1, written by the statistics themselves: a plain integer, not
-- an auto-number.
CREATE TABLE Tb_SchoolSum (
  Fd_AutoID          INTEGER NOT NULL UNIQUE,
  Fd_AllTotal        INTEGER,
  Fd_BoyTotal        INTEGER,
  Fd_GirlTotal       INTEGER,
  Fd_FreeTotal       INTEGER,
  Fd_TestTotal       INTEGER,
  Fd_ExcelCount      INTEGER,
  Fd_ExcelRation     INTEGER,
  Fd_ExcelFen        INTEGER,
  Fd_GoodCount       INTEGER,
  Fd_GoodRation      INTEGER,
  Fd_GoodFen         INTEGER,
  Fd_CommonCount     INTEGER,
  Fd_CommonRation    INTEGER,
  Fd_CommonFen       INTEGER,
  Fd_UnthroughCount  INTEGER,
  Fd_UnthroughRation INTEGER,
  Fd_UnthroughFen    INTEGER,
  Fd_GernalFen       INTEGER
);

-- Views (read only) ------------------------------------------------------------------------------

-- Every student with the grade of their class; a student whose class is gone has an empty grade
-- but is still counted by the school statistics.
CREATE VIEW Vw_Students AS
SELECT s.Fd_StuNo, s.Fd_Name, s.Fd_Sex, s.Fd_Class, s.Fd_InSchool, s.Fd_Birthday, s.Fd_FreeSign,
       c.Fd_Grade
  FROM Tb_Students s LEFT JOIN Tb_Classes c ON c.Fd_Class = s.Fd_Class;

-- Every fitness card of an existing student, with the student's class and the grade of that class
-- (the same grade Vw_Students counts the student under).
CREATE VIEW Vw_UptoCard AS
SELECT u.Fd_StuNo, s.Fd_Class, c.Fd_Grade, u.Fd_GernalFen
  FROM Tb_UptoCard u
  JOIN Tb_Students s ON s.Fd_StuNo = u.Fd_StuNo
  LEFT JOIN Tb_Classes c ON c.Fd_Class = s.Fd_Class;

-- Examination results with what the exam-card report prints beside them: the item's name and unit
-- (from the examination or sport-skill items, fixed names for the two part scores), the part's
-- name and the term's name. No result is left out for a missing item or term.
CREATE VIEW Vw_ExamProcess AS
SELECT a.Fd_ProcID, a.Fd_StuNo, a.Fd_TestDate, a.Fd_ProgNo, a.Fd_Grade, a.Fd_Achieve,
       a.Fd_FenVal, a.Fd_TestPart, a.Fd_TermType,
       COALESCE(e.Fd_ProgName, t.Fd_ProgName,
                CASE a.Fd_ProgNo WHEN 'DP101' THEN '出勤成绩' WHEN 'BP101' THEN '基础知识' END)
         AS Fd_ProgName,
       e.Fd_Nutric,
       CASE a.Fd_TestPart WHEN 0 THEN '出勤成绩' WHEN 1 THEN '基础知识'
                          WHEN 2 THEN '考核项目' WHEN 3 THEN '运动技能' END AS Fd_PartName,
       m.Fd_TermName
  FROM Tb_ExamProcess a
  LEFT JOIN Tb_ExamProg e ON e.Fd_ProgNo = a.Fd_ProgNo
  LEFT JOIN Tb_TechProg t ON t.Fd_ProgNo = a.Fd_ProgNo
  LEFT JOIN Tb_TermType m ON m.Fd_TermID = a.Fd_TermType;
