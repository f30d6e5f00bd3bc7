-- The desktop tests' school: the administration tests' school (tests/app/fixtures/school.sql),
-- with the administrator teaching two of its classes, so that the entry windows have students.
INSERT INTO Tb_TeacherTask (Fd_LogID, Fd_Classes) VALUES ('admin', '高一(1)'), ('admin', '高二(1)');
