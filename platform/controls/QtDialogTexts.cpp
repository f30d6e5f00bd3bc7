// The texts of Qt's own dialogs (file, print and page set-up, font and colour) in Chinese, as the
// program's own windows speak: a translator that knows Qt's English source texts, whatever
// context Qt asks for them in.
#include <QCoreApplication>
#include <QHash>
#include <QPointer>
#include <QTranslator>

#include "controls/Dialogs.h"

namespace {

class TQtDialogTexts : public QTranslator {
 public:
  QString translate(const char*, const char* SourceText, const char*, int) const override {
    return Texts().value(QString::fromUtf8(SourceText));
  }
  bool isEmpty() const override { return false; }

 private:
  static const QHash<QString, QString>& Texts() {
    static const QHash<QString, QString> texts = {
        {"Look in:", "查找范围："},
        {"File &name:", "文件名(&N)："},
        {"Files of type:", "文件类型："},
        {"Directory:", "文件夹："},
        {"&Save", "保存(&S)"},
        {"&Open", "打开(&O)"},
        {"&Choose", "选择(&C)"},
        {"Save", "保存"},
        {"Open", "打开"},
        {"Cancel", "取消"},
        {"&Cancel", "取消(&C)"},
        {"OK", "确定"},
        {"&OK", "确定(&O)"},
        {"Yes", "是"},
        {"&Yes", "是(&Y)"},
        {"No", "否"},
        {"&No", "否(&N)"},
        {"Save As", "另存为"},
        {"Find Directory", "选择文件夹"},
        {"Back", "后退"},
        {"Forward", "前进"},
        {"Go back", "后退"},
        {"Go forward", "前进"},
        {"Parent Directory", "上一级"},
        {"Go to the parent directory", "转到上一级文件夹"},
        {"Create New Folder", "新建文件夹"},
        {"Create a New Folder", "新建文件夹"},
        {"List View", "列表"},
        {"Change to list view mode", "以列表显示"},
        {"Detail View", "详细信息"},
        {"Change to detail view mode", "以详细信息显示"},
        {"Sidebar", "位置"},
        {"Recent Places", "最近访问的位置"},
        {"New Folder", "新建文件夹"},
        {"&New Folder", "新建文件夹(&N)"},
        {"Show &hidden files", "显示隐藏的文件(&H)"},
        {"&Delete", "删除(&D)"},
        {"&Rename", "重命名(&R)"},
        {"%1 already exists.\nDo you want to replace it?", "%1 已存在。\n要替换它吗？"},
        {"Are you sure you want to delete '%1'?", "确实要删除“%1”吗？"},
        {"Could not delete directory.", "无法删除文件夹。"},
        {"%1\nFile not found.\nPlease verify the correct file name was given.", "%1\n找不到文件。\n请检查文件名是否正确。"},
        {"%1\nDirectory not found.\nPlease verify the correct directory name was given.",
         "%1\n找不到文件夹。\n请检查文件夹名是否正确。"},
        {"Name", "名称"},
        {"Size", "大小"},
        {"Type", "类型"},
        {"Kind", "类型"},
        {"Date Modified", "修改日期"},
        {"Computer", "计算机"},
        {"Folder", "文件夹"},
        {"Drive", "驱动器"},
        {"File", "文件"},
        {"%1 File", "%1 文件"},
        {"Unknown", "未知"},
        {"All Files (*)", "所有文件 (*)"},
    };
    return texts;
  }
};

}  // namespace

void InstallQtDialogTexts() {
  static QPointer<QTranslator> installed;
  if (installed || !QCoreApplication::instance()) return;
  installed = new TQtDialogTexts;
  installed->setParent(QCoreApplication::instance());
  QCoreApplication::installTranslator(installed);
}
