-- Initial rows of the default database, run after schema.sql: grades, the administrator, the
-- items of both families with their standards, sport-skill items and terms. Classes, students,
-- school information, results and attendance kinds are left for the users to enter: the
-- attendance register lists its six kinds ("出勤" ... "病假") itself, before those of Tb_Duty, so
-- the table starts empty and holds only the kinds a school adds.

-- Grades, in the order the grade lists show them (the standards below use this order too).
INSERT INTO Tb_Grade (Fd_Grade) VALUES ('高一'), ('高二'), ('高三');

-- The administrator ("教研室主任", rights 1), who sets up the school, classes and teachers.
-- Log-in name "admin", password "quorin": change the password after the first log-in.
INSERT INTO Tb_Teachers (Fd_LogID, Fd_Password, Fd_Name, Fd_Rights, Fd_Sex)
VALUES ('admin', 'quorin', '管理员', 1, '男');

-- Fitness-standard items, one category each: 1 endurance, 2 speed and agility, 3 explosive power,
-- 4 muscular endurance, 5 flexibility. Item numbers and score column names are valid SQL names,
-- since both name columns of Tb_UptoCard. Where boys and girls are tested differently (1000 m and
-- 800 m, pull-ups and inclined pull-ups) one item carries both, with a standards row per sex.
INSERT INTO Tb_UptoProg (Fd_ProgNo, Fd_ProgName, Fd_Nutric, Fd_ProgType, Fd_FenField) VALUES
  ('U11', '1000米跑(男)/800米跑(女)', '秒', 1, 'F_U11'),
  ('U21', '50米跑', '秒', 2, 'F_U21'),
  ('U22', '一分钟跳绳', '次', 2, 'F_U22'),
  ('U31', '立定跳远', '米', 3, 'F_U31'),
  ('U32', '掷实心球', '米', 3, 'F_U32'),
  ('U41', '一分钟仰卧起坐', '个', 4, 'F_U41'),
  ('U42', '引体向上(男)/斜身引体(女)', '次', 4, 'F_U42'),
  ('U51', '坐位体前屈', '米', 5, 'F_U51');

-- Examination items. The part scores "DP101" (attendance) and "BP101" (basic knowledge) and the
-- sport-skill items are not examination items and stay out of this table.
INSERT INTO Tb_ExamProg (Fd_ProgNo, Fd_ProgName, Fd_Nutric, Fd_FenField) VALUES
  ('E01', '100米跑', '秒', 'F_E01'),
  ('E02', '立定跳远', '米', 'F_E02'),
  ('E03', '1000米跑(男)/800米跑(女)', '秒', 'F_E03'),
  ('E04', '引体向上(男)/斜身引体(女)', '次', 'F_E04'),
  ('E05', '一分钟仰卧起坐', '个', 'F_E05'),
  ('E06', '掷实心球', '米', 'F_E06');

-- Examination items that count for a fitness item of the same unit.
INSERT INTO Tb_CountPoint (Fd_ExamNo, Fd_UptoNo) VALUES
  ('E02', 'U31'), ('E03', 'U11'), ('E04', 'U42'), ('E05', 'U41'), ('E06', 'U32');

-- Sport-skill items: the same six modules in every grade, numbered "T" + the grade's position
-- + two digits (T101 ... T306), so that each number names one grade's item.
INSERT INTO Tb_TechProg (Fd_ProgNo, Fd_ProgName, Fd_Grade)
SELECT 'T' || g.rowid || m.column1, m.column2, g.Fd_Grade
  FROM Tb_Grade g,
       (VALUES ('01', '篮球'), ('02', '足球'), ('03', '排球'), ('04', '乒乓球'), ('05', '羽毛球'),
               ('06', '武术')) m
 ORDER BY g.rowid, m.column1;

-- Terms of the school year; the first row is the term of a result entered before one is picked.
INSERT INTO Tb_TermType (Fd_TermName, Fd_StartDate, Fd_EndDate) VALUES
  ('2026-2027学年第一学期', '2026-09-01 00:00:00', '2027-01-22 00:00:00'),
  ('2026-2027学年第二学期', '2027-02-22 00:00:00', '2027-07-09 00:00:00');

-- Standards ---------------------------------------------------------------------------------------
-- Rule. For every item and sex three marks are set for 高一: the mark of level 0, the pass mark
-- (level 60) and the excellent mark (level 100). The threshold of level L (0, 5, ... 100) is the
-- straight line between them:
--     L <= 60:  Level0 + (Pass - Level0) * L / 60
--     L >= 60:  Pass + (Excellent - Pass) * (L - 60) / 40
-- Each later grade moves all three marks by the item's grade step (高二 once, 高三 twice): times
-- get shorter, every other unit gets more. Thresholds are rounded to the item's digits (whole
-- seconds for the long runs, tenths for sprints and throws, centimetres for jumps and reach,
-- whole counts). So every threshold is positive, and the 21 thresholds run from worst to best:
-- falling for "秒" (lower is better), rising for "米", "次" and "个".
CREATE TEMP TABLE Marks (ProgNo, Sex, Level0, Pass, Excellent, GradeStep, Digits);
INSERT INTO Marks VALUES
  -- fitness items
  ('U11', '男', 352, 272, 220, -5, 0),          -- 1000 m, seconds (5'52", 4'32", 3'40")
  ('U11', '女', 334, 274, 204, -3, 0),          -- 800 m, seconds (5'34", 4'34", 3'24")
  ('U21', '男', 10.1, 9.1, 7.1, -0.1, 1),
  ('U21', '女', 11.5, 10.3, 7.8, -0.1, 1),
  ('U22', '男', 60, 110, 180, 5, 0),
  ('U22', '女', 65, 115, 185, 5, 0),
  ('U31', '男', 1.83, 2.08, 2.60, 0.03, 2),
  ('U31', '女', 1.31, 1.56, 2.04, 0.01, 2),
  ('U32', '男', 5.0, 7.0, 10.5, 0.3, 1),        -- 2 kg ball
  ('U32', '女', 3.5, 5.0, 8.0, 0.2, 1),
  ('U41', '男', 20, 30, 50, 1, 0),
  ('U41', '女', 16, 26, 53, 1, 0),
  ('U42', '男', 3, 10, 16, 1, 0),               -- pull-ups
  ('U42', '女', 8, 20, 40, 1, 0),               -- inclined pull-ups
  ('U51', '男', 0.01, 0.04, 0.24, 0.01, 2),
  ('U51', '女', 0.03, 0.06, 0.23, 0.01, 2),
  -- examination items
  ('E01', '男', 18.0, 15.5, 12.8, -0.1, 1),
  ('E01', '女', 21.0, 18.5, 15.0, -0.1, 1),
  ('E02', '男', 1.83, 2.08, 2.60, 0.03, 2),
  ('E02', '女', 1.31, 1.56, 2.04, 0.01, 2),
  ('E03', '男', 352, 272, 220, -5, 0),
  ('E03', '女', 334, 274, 204, -3, 0),
  ('E04', '男', 3, 10, 16, 1, 0),
  ('E04', '女', 8, 20, 40, 1, 0),
  ('E05', '男', 20, 30, 50, 1, 0),
  ('E05', '女', 16, 26, 53, 1, 0),
  ('E06', '男', 5.0, 7.0, 10.5, 0.3, 1),
  ('E06', '女', 3.5, 5.0, 8.0, 0.2, 1);

-- One threshold per item, grade, sex and level. A grade's position comes from Tb_Grade's order.
CREATE TEMP TABLE Thresholds AS
WITH RECURSIVE Levels (L) AS (SELECT 0 UNION ALL SELECT L + 5 FROM Levels WHERE L < 100)
SELECT m.ProgNo, g.Fd_Grade AS Grade, g.rowid AS GradePosition, m.Sex, l.L,
       round(CASE WHEN l.L <= 60 THEN m.Level0 + (m.Pass - m.Level0) * l.L / 60.0
                  ELSE m.Pass + (m.Excellent - m.Pass) * (l.L - 60) / 40.0 END
             + (g.rowid - 1) * m.GradeStep, m.Digits) AS Value
  FROM Marks m, Tb_Grade g, Levels l;

-- The thresholds turned into standards rows, in the column order of both standards tables.
CREATE TEMP VIEW StandardRows AS
SELECT ProgNo AS Fd_ProgID, Grade AS Fd_Grade, Sex AS Fd_Sex,
       max(CASE L WHEN 0 THEN Value END) AS Fd_Fen00,
       max(CASE L WHEN 5 THEN Value END) AS Fd_Fen05,
       max(CASE L WHEN 10 THEN Value END) AS Fd_Fen10,
       max(CASE L WHEN 15 THEN Value END) AS Fd_Fen15,
       max(CASE L WHEN 20 THEN Value END) AS Fd_Fen20,
       max(CASE L WHEN 25 THEN Value END) AS Fd_Fen25,
       max(CASE L WHEN 30 THEN Value END) AS Fd_Fen30,
       max(CASE L WHEN 35 THEN Value END) AS Fd_Fen35,
       max(CASE L WHEN 40 THEN Value END) AS Fd_Fen40,
       max(CASE L WHEN 45 THEN Value END) AS Fd_Fen45,
       max(CASE L WHEN 50 THEN Value END) AS Fd_Fen50,
       max(CASE L WHEN 55 THEN Value END) AS Fd_Fen55,
       max(CASE L WHEN 60 THEN Value END) AS Fd_Fen60,
       max(CASE L WHEN 65 THEN Value END) AS Fd_Fen65,
       max(CASE L WHEN 70 THEN Value END) AS Fd_Fen70,
       max(CASE L WHEN 75 THEN Value END) AS Fd_Fen75,
       max(CASE L WHEN 80 THEN Value END) AS Fd_Fen80,
       max(CASE L WHEN 85 THEN Value END) AS Fd_Fen85,
       max(CASE L WHEN 90 THEN Value END) AS Fd_Fen90,
       max(CASE L WHEN 95 THEN Value END) AS Fd_Fen95,
       max(CASE L WHEN 100 THEN Value END) AS Fd_Fen100
  FROM Thresholds
 GROUP BY GradePosition, ProgNo, Sex;

-- Each family's rows go to its own table; the ids are assigned on insertion.
INSERT INTO Tb_UptoStarnd SELECT NULL, * FROM StandardRows
 WHERE Fd_ProgID IN (SELECT Fd_ProgNo FROM Tb_UptoProg);
INSERT INTO Tb_ExamStarnd SELECT NULL, * FROM StandardRows
 WHERE Fd_ProgID IN (SELECT Fd_ProgNo FROM Tb_ExamProg);

DROP VIEW StandardRows;
DROP TABLE Thresholds;
DROP TABLE Marks;
