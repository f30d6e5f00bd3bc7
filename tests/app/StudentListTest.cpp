// The main window's students list as the result windows and the student commands read it: the
// row a user clicks is the data module's current student.
#include "AppTestKit.h"

namespace {

class StudentListTest : public TAppTest {
 protected:
  void SetUp() override {
    TAppTest::SetUp();
    AddSchool(Db);
    Db.Connection()->Execute(
        "INSERT INTO Tb_Students (Fd_StuNo, Fd_Name, Fd_Sex, Fd_Class, Fd_FreeSign) VALUES"
        " (101, '张三', '男', '高一(1)班', 0), (102, '李四', '女', '高一(1)班', 0), (103, '王五', '男', '高一(1)班', 0);");
  }
  DataFixture Db{DataFixture::Default};
};

TEST_F(StudentListTest, TheClickedRowIsTheCurrentStudent) {
  RunLoggedOn(Db.Path(), "admin", "quorin", [&] {
    TdxDBGrid* grid = fmKvMain->dgStudents;
    ASSERT_EQ(grid->Count(), 3);
    for (const int row : {2, 0, 1}) {
      const TRect cell = grid->GetNodeCellRect(grid->Items(row), 1);
      Click(grid, {(cell.Left + cell.Right) / 2, (cell.Top + cell.Bottom) / 2});
      Pump();
      EXPECT_EQ(dmGym->adqStudents->FieldByName("Fd_StuNo")->AsInteger(), 101 + row);
    }
  });
}

}  // namespace
