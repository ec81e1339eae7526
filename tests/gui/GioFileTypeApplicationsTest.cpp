// The desktop's applications read by GIO from private XDG folders: a MIME
// package for a test type, two test applications registered for it (one the
// default), each a script that writes its arguments to a file.
#include "gui/GioFileTypeApplications.h"
#include "search/ResultActions.h"
#include "support/FormsFixture.h"
#include "support/QtPrinters.h"
#include "support/TempDir.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QThread>

using namespace tessellon;

namespace {

const QByteArray TestType = "application/x-tessellon-test";

class GioFileTypeApplicationsTest : public FormsFixture {
protected:
    GioFileTypeApplicationsTest() {
        // GIO reads these once per process; each test runs in its own.
        const std::pair<const char*, const char16_t*> folders[] = {
            {"XDG_DATA_HOME", u"home"},
            {"XDG_DATA_DIRS", u"system"},
            {"XDG_CONFIG_HOME", u"config"},
            {"XDG_CONFIG_DIRS", u"config-system"}};
        for (const auto& [variable, folder] : folders) {
            saved.append({variable, qgetenv(variable)});
            qputenv(variable, QFile::encodeName(temp.mkdir(QString::fromUtf16(folder))));
        }
        temp.write(u"home/mime/packages/tessellon-test.xml"_qs,
                   "<?xml version=\"1.0\"?>\n"
                   "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
                   "  <mime-type type=\"" +
                       TestType +
                       "\"><glob pattern=\"*.tsntest\"/></mime-type>\n"
                       "</mime-info>\n");
        mimeDatabaseBuilt =
            QProcess::execute(u"update-mime-database"_qs, {temp.filePath(u"home/mime"_qs)}) == 0;
        addApplication("tessellon-editor", "Tessellon Test Editor");
        addApplication("tessellon-viewer", "Tessellon Test Viewer");
        // GIO takes an application's types from the cache that
        // update-desktop-database writes; the user's added associations
        // register them without that tool.
        temp.write(u"config/mimeapps.list"_qs,
                   "[Default Applications]\n" + TestType + "=tessellon-editor.desktop\n" +
                       "[Added Associations]\n" + TestType +
                       "=tessellon-editor.desktop;tessellon-viewer.desktop;\n");

        hit = temp.write(u"hit.tsntest"_qs, "some text");
        provider.names = {u"Path"_qs};
        provider.rows = {{Variant(hit)}};
        main->SearchbtnClick();
        main->ListView1.selectedIndex = 0;
    }

    ~GioFileTypeApplicationsTest() override {
        for (const auto& [variable, value] : saved)
            qputenv(variable, value);
    }

    void addApplication(const QByteArray& id, const QByteArray& name) {
        const QString script = temp.write(QString::fromLatin1(id + ".sh"),
                                          "#!/bin/sh\nprintf '%s\\n' \"$@\" > \"$0.args\"\n");
        QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        temp.write(u"home/applications/"_qs + QString::fromLatin1(id + ".desktop"),
                   "[Desktop Entry]\nType=Application\nName=" + name +
                       "\nExec=" + QFile::encodeName(script) + " %f\nMimeType=" + TestType + ";\n");
    }

    // What the application's script received, once it has run.
    QByteArray argumentsOf(const QByteArray& id) {
        const QString file = QString::fromLatin1(id + ".sh.args");
        for (QDeadlineTimer deadline(10000); !deadline.hasExpired(); QThread::msleep(20)) {
            const QByteArray written =
                QFile::exists(temp.filePath(file)) ? temp.read(file) : QByteArray();
            if (written.endsWith('\n'))
                return written;
        }
        return {};
    }

    QVector<std::pair<const char*, QByteArray>> saved;
    TempDir temp;
    bool mimeDatabaseBuilt = false;
    QString hit;
    GioFileTypeApplications fileTypes;
    ResultActions actions{*main, fileTypes};
};

TEST_F(GioFileTypeApplicationsTest, MenuListsTheRegisteredApplicationsAndRunsTheChosenOne) {
    ASSERT_TRUE(mimeDatabaseBuilt);
    EXPECT_EQ(fileTypes.contentType(hit), QString::fromLatin1(TestType));
    ASSERT_TRUE(actions.PopupMenu1Popup());
    QStringList captions;
    for (const ResultMenuEntry& entry : actions.PopupMenu1)
        captions << entry.caption;
    EXPECT_EQ(captions, (QStringList{u"Preview"_qs, u"-"_qs, u"Open"_qs,
                                     u"Open with Tessellon Test Viewer"_qs, u"-"_qs,
                                     u"Open Containing Folder"_qs}));

    actions.open1Click(&actions.PopupMenu1[3]);
    EXPECT_EQ(argumentsOf("tessellon-viewer"), QFile::encodeName(hit) + '\n');
    EXPECT_EQ(main->Memo1.text.count(u"Cannot open"_qs), 0) << main->Memo1.text.toStdString();
}

} // namespace
