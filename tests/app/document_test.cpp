#include "AppTestSupport.h"
#include "CommandIds.h"
#include "CommandLineInfo.h"
#include "DocTemplate.h"
#include "Document.h"
#include "FileNameEncoding.h"
#include "RecentFileList.h"

#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QUrl>

#include <cstdio>
#include <functional>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

qint64 FileSize(const QString& path) {
    return QFileInfo(path).exists() ? QFileInfo(path).size() : -1;
}

/// A simulation as a new window starts it.
void ExpectDefaultSimulation(const CVorlintView& view) {
    EXPECT_EQ(view.m_dPoint, 20.0);
    EXPECT_EQ(view.m_dPower, 0.0);
    EXPECT_EQ(view.m_dSetPoint, 0.0);
    EXPECT_FALSE(view.m_bPid);
    EXPECT_FALSE(view.IsRunning());
    EXPECT_TRUE(view.m_history.empty());
    EXPECT_EQ(view.m_strFormula, "p + ((t/100)*5000 - p*1.0)*dt");
}

/// Gives a window a set point the way its panel shows it, so that the next exchange keeps it.
void SetSetPoint(CMdiChild& window, double setPoint) {
    window.View()->m_dSetPoint = setPoint;
    window.Frame()->ExchangePanels(false);
}

using DocumentTest = AppTest;

TEST_F(DocumentTest, StartUpOpensVorlint1WithADefaultSimulation) {
    ASSERT_TRUE(m_bStarted);
    ASSERT_EQ(Windows().size(), 1u);
    EXPECT_EQ(Active()->windowTitle(), QStringLiteral("Vorlint1"));
    ExpectDefaultSimulation(ActiveView());
    EXPECT_FALSE(Active()->GetDocument()->IsModified());
}

TEST_F(DocumentTest, NewDocumentsCountOnAfterClosing) {
    Trigger(CommandId::FileNew);
    EXPECT_EQ(Active()->windowTitle(), QStringLiteral("Vorlint2"));
    Trigger(CommandId::FileClose);
    Trigger(CommandId::FileNew);
    EXPECT_EQ(Active()->windowTitle(), QStringLiteral("Vorlint3"));
    EXPECT_EQ(App().DocTemplate().Documents().size(), 2u);
}

TEST_F(DocumentTest, SaveOfANewDocumentAsksForANameAndWritesTheSetup) {
    const QString path = Path(QStringLiteral("lab.vrl"));
    EXPECT_FALSE(Frame().isWindowModified());
    Active()->GetDocument()->SetModifiedFlag();
    EXPECT_TRUE(Frame().isWindowModified()) << "the title bar marks unsaved changes";
    ModalAnswer answer(ChooseFile(path));
    Trigger(CommandId::FileSave);
    ASSERT_TRUE(answer.Fired());
    EXPECT_GT(FileSize(path), 0);
    EXPECT_EQ(Active()->windowTitle(), QStringLiteral("lab.vrl"));
    EXPECT_EQ(Frame().windowTitle(), QStringLiteral("Vorlint - lab.vrl[*]"));
    EXPECT_FALSE(Frame().isWindowModified());
    EXPECT_EQ(QSettings().value(QStringLiteral("Recent File List/File1")).toString(), path);
}

TEST_F(DocumentTest, SaveAsTheFileNameWithoutExtensionGetsVrl) {
    ModalAnswer answer(ChooseFile(Path(QStringLiteral("named"))));
    Trigger(CommandId::FileSaveAs);
    ASSERT_TRUE(answer.Fired());
    EXPECT_GT(FileSize(Path(QStringLiteral("named.vrl"))), 0);
}

TEST_F(DocumentTest, SaveAsOfANamedDocumentAsksForANewName) {
    const QString old = Path(QStringLiteral("old.vrl"));
    WriteFile(old, "");
    ASSERT_NE(App().OpenDocumentFile(old), nullptr);
    ModalAnswer answer(ChooseFile(Path(QStringLiteral("new.vrl"))));
    Trigger(CommandId::FileSaveAs);
    ASSERT_TRUE(answer.Fired());
    EXPECT_GT(FileSize(Path(QStringLiteral("new.vrl"))), 0);
    EXPECT_EQ(FileSize(old), 0) << "the old file stays as it was";
    EXPECT_EQ(Active()->windowTitle(), QStringLiteral("new.vrl"));
}

TEST_F(DocumentTest, SavingOverALegacyFileReplacesIt) {
    const QString path = Path(QStringLiteral("old.vrl"));
    WriteFile(path, "");
    ASSERT_NE(App().OpenDocumentFile(path), nullptr);
    Trigger(CommandId::FileSave); // the document has a file: no dialog
    EXPECT_GT(FileSize(path), 0);
}

TEST_F(DocumentTest, AFailedSaveIsReportedAndKeepsTheDocumentUntitled) {
    QString message;
    ModalAnswer answer(Press(QMessageBox::Ok, &message));
    EXPECT_FALSE(Active()->GetDocument()->DoSave(Path(QStringLiteral("no-such-folder/lab.vrl"))));
    ASSERT_TRUE(answer.Fired());
    EXPECT_TRUE(message.startsWith(QStringLiteral("Failed to save document."))) << message.toStdString();
    EXPECT_EQ(Active()->windowTitle(), QStringLiteral("Vorlint1"));
    EXPECT_EQ(App().RecentFileList().GetCount(), 0);
}

TEST_F(DocumentTest, OpeningTheEmptyFileOfEarlierVersionsStartsADefaultSimulation) {
    const QString path = Path(QStringLiteral("content.vrl"));
    WriteFile(path, "");
    SetSetPoint(*Active(), 1234.0); // the start-up window is not reused
    ModalAnswer answer(ChooseFile(path));
    Trigger(CommandId::FileOpen);
    ASSERT_TRUE(answer.Fired());
    ASSERT_EQ(Windows().size(), 2u);
    EXPECT_EQ(Active()->windowTitle(), QStringLiteral("content.vrl"));
    ExpectDefaultSimulation(ActiveView());
    EXPECT_FALSE(Active()->GetDocument()->IsModified());
    EXPECT_EQ(Windows()[0]->View()->m_dSetPoint, 1234.0);
}

TEST_F(DocumentTest, OnlyRegularFilesAreOpenedAndAnythingElseIsNamed) {
    const QString fifo = Path(QStringLiteral("pipe.vrl"));
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    // With a writer present, a program that opens the FIFO blindly gets through instead of hanging.
    const int writer = ::open(QFile::encodeName(fifo).constData(), O_RDWR | O_NONBLOCK);
    const std::pair<QString, const char*> cases[] = {
        {fifo, "Is not a regular file (a FIFO)"},
        {QStringLiteral("/dev/null"), "Is not a regular file (a device)"},
        {m_folder.path(), "Is a folder, not a file"}};
    for (const auto& [path, what] : cases) {
        QString message;
        ModalAnswer answer(Press(QMessageBox::Ok, &message));
        EXPECT_EQ(App().OpenDocumentFile(path), nullptr) << path.toStdString();
        EXPECT_EQ(message,
                  QStringLiteral("Failed to open document.\n\n%1: %2").arg(path, QLatin1String(what)));
    }
    ::close(writer);
    EXPECT_EQ(Windows().size(), 1u);
}

TEST_F(DocumentTest, OpeningAnOpenFileActivatesItsWindow) {
    const QString path = Path(QStringLiteral("twice.vrl"));
    WriteFile(path, "");
    CDocument* first = App().OpenDocumentFile(path);
    Trigger(CommandId::FileNew);
    EXPECT_EQ(App().OpenDocumentFile(path), first);
    EXPECT_EQ(Windows().size(), 3u);
    EXPECT_EQ(Active()->GetDocument(), first);
}

TEST_F(DocumentTest, AMissingFileIsReportedAndLeavesTheRecentFiles) {
    const QString path = Path(QStringLiteral("gone.vrl"));
    WriteFile(path, "");
    ASSERT_NE(App().OpenDocumentFile(path), nullptr);
    Trigger(CommandId::FileClose);
    QFile::remove(path);
    ASSERT_EQ(App().RecentFileList().GetCount(), 1);

    QString message;
    ModalAnswer answer(Press(QMessageBox::Ok, &message));
    App().OnOpenRecentFile(0);
    ASSERT_TRUE(answer.Fired());
    EXPECT_TRUE(message.startsWith(QStringLiteral("Failed to open document."))) << message.toStdString();
    EXPECT_EQ(Windows().size(), 1u);
    EXPECT_EQ(App().RecentFileList().GetCount(), 0);
    EXPECT_FALSE(QSettings().contains(QStringLiteral("Recent File List/File1")));
}

TEST_F(DocumentTest, NewWindowShowsTheDocumentAgainWithItsOwnSimulation) {
    SetSetPoint(*Active(), 500.0);
    Trigger(CommandId::WindowNew);
    const std::vector<CMdiChild*> windows = Windows();
    ASSERT_EQ(windows.size(), 2u);
    EXPECT_EQ(windows[0]->GetDocument(), windows[1]->GetDocument());
    EXPECT_EQ(windows[0]->windowTitle(), QStringLiteral("Vorlint1:1"));
    EXPECT_EQ(windows[1]->windowTitle(), QStringLiteral("Vorlint1:2"));
    ExpectDefaultSimulation(*windows[1]->View());
    EXPECT_EQ(windows[0]->View()->m_dSetPoint, 500.0);

    windows[1]->close();
    QApplication::processEvents();
    EXPECT_EQ(windows[0]->windowTitle(), QStringLiteral("Vorlint1"));
    EXPECT_EQ(App().DocTemplate().Documents().size(), 1u);
}

TEST_F(DocumentTest, CloseEndsTheDocumentWithAllItsWindows) {
    Trigger(CommandId::WindowNew);
    Trigger(CommandId::FileNew);
    SessionScript::Activate(Frame(), *Windows()[0]);
    Trigger(CommandId::FileClose);
    ASSERT_EQ(Windows().size(), 1u);
    EXPECT_EQ(Windows()[0]->windowTitle(), QStringLiteral("Vorlint2"));
    EXPECT_EQ(App().DocTemplate().Documents().size(), 1u);
}

TEST_F(DocumentTest, ExitAsksToSaveAModifiedDocument) {
    Frame().show();
    CDocument* document = Active()->GetDocument();
    document->SetModifiedFlag();
    QString question;
    {
        ModalAnswer cancel(Press(QMessageBox::Cancel, &question));
        Trigger(CommandId::AppExit);
        ASSERT_TRUE(cancel.Fired());
    }
    EXPECT_EQ(question, QStringLiteral("Save changes to Vorlint1?"));
    EXPECT_TRUE(Frame().isVisible());
    EXPECT_EQ(Windows().size(), 1u);

    ModalAnswer no(Press(QMessageBox::No));
    Trigger(CommandId::AppExit);
    ASSERT_TRUE(no.Fired());
    EXPECT_FALSE(Frame().isVisible());
    EXPECT_TRUE(App().DocTemplate().Documents().empty());
}

TEST_F(DocumentTest, ExitWithoutChangesAsksNothing) {
    Frame().show();
    Trigger(CommandId::FileNew);
    ModalAnswer unexpected(Press(QMessageBox::Cancel));
    Trigger(CommandId::AppExit);
    EXPECT_FALSE(unexpected.Fired());
    EXPECT_FALSE(Frame().isVisible());
}

TEST_F(DocumentTest, DroppedFilesAreOpened) {
    const QString a = Path(QStringLiteral("a.vrl"));
    const QString b = Path(QStringLiteral("b.vrl"));
    WriteFile(a, "");
    WriteFile(b, "");
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(a), QUrl::fromLocalFile(b)});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&Frame(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&Frame(), &drop);
    ASSERT_EQ(Windows().size(), 3u);
    EXPECT_EQ(Windows()[1]->windowTitle(), QStringLiteral("a.vrl"));
    EXPECT_EQ(Windows()[2]->windowTitle(), QStringLiteral("b.vrl"));
}

class CommandLineTest : public AppTest {
protected:
    void SetUp() override {}
};

TEST_F(CommandLineTest, AFileArgumentOpensThatFileInsteadOfANewDocument) {
    const QString path = Path(QStringLiteral("arg.vrl"));
    WriteFile(path, "");
    StartApp({path});
    ASSERT_TRUE(m_bStarted);
    ASSERT_EQ(Windows().size(), 1u);
    EXPECT_EQ(Active()->windowTitle(), QStringLiteral("arg.vrl"));
}

TEST_F(CommandLineTest, AMissingFileEndsStartUp) {
    ModalAnswer answer(Press(QMessageBox::Ok));
    StartApp({Path(QStringLiteral("missing.vrl"))});
    EXPECT_TRUE(answer.Fired());
    EXPECT_FALSE(m_bStarted);
}

TEST(CommandLineInfoTest, ALoneDashIsAFileNameNotAnOption) {
    CCommandLineInfo commandLine;
    commandLine.ParseCommandLine({QStringLiteral("-style"), QStringLiteral("-"), QStringLiteral("b.vrl")});
    EXPECT_EQ(commandLine.m_nShellCommand, CCommandLineInfo::FileOpen);
    EXPECT_EQ(commandLine.m_strFileName, QStringLiteral("-"));
}

TEST(RecentFileListTest, SixteenNewestFirstWithoutDuplicates) {
    ClearAppSettings();
    CRecentFileList list(QStringLiteral("Recent File List"), QStringLiteral("File%1"), 16, 30);
    for (int i = 1; i <= 18; ++i)
        list.Add(QStringLiteral("/data/f%1.vrl").arg(i));
    list.Add(QStringLiteral("/data/f5.vrl"));
    ASSERT_EQ(list.GetCount(), 16);
    EXPECT_EQ(list[0], QStringLiteral("/data/f5.vrl"));
    EXPECT_EQ(list[1], QStringLiteral("/data/f18.vrl"));
    EXPECT_EQ(list[15], QStringLiteral("/data/f3.vrl"));
    list.WriteList();

    CRecentFileList reread(QStringLiteral("Recent File List"), QStringLiteral("File%1"), 16, 30);
    reread.ReadList();
    ASSERT_EQ(reread.GetCount(), 16);
    EXPECT_EQ(reread[0], list[0]);
    EXPECT_EQ(QSettings().value(QStringLiteral("Recent File List/File16")).toString(), list[15]);
}

TEST(RecentFileListTest, DisplayNamesFitThirtyCharacters) {
    const std::pair<const char*, const char*> rows[] = {
        {"/home/ana/lab.vrl", "/home/ana/lab.vrl"},
        {"/home/ana/disciplinas/controle/aula3.vrl", "/.../controle/aula3.vrl"},
        {"/home/ana/disciplinas/controle-de-processos/aula3.vrl", "/.../aula3.vrl"},
        {"/home/ana/um-nome-de-arquivo-muito-comprido.vrl", "um-nome-de-arquivo-muito-comprido.vrl"},
        {"/home/ana/aulas/pid/lab-12.vrl", "/home/ana/aulas/pid/lab-12.vrl"}, // exactly 30: kept whole
        {"/home/ana/disciplinas/controle/aula-de-pid3.vrl", "/.../controle/aula-de-pid3.vrl"},
    };
    for (const auto& [path, shown] : rows)
        EXPECT_EQ(AbbreviatePath(QString::fromUtf8(path), 30), QString::fromUtf8(shown)) << path;
}

TEST_F(DocumentTest, AFileNamedWithBytesThatAreNotUtf8OpensFromTheCommandLineAndSavesUnderANewName) {
    // "aula", é in UTF-8, a lone é of Latin-1, the UTF-8 shape of a surrogate (no character), ".vrl".
    const QByteArray name = QFile::encodeName(m_folder.path()) + "/aula\xc3\xa9\xe9\xed\xa0\x80.vrl";
    const QByteArray content = R"({"format": "vorlint", "version": 1, "windows": [{"setPoint": 1234}]})";
    const int descriptor = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL, 0600);
    ASSERT_GE(descriptor, 0);
    ASSERT_EQ(::write(descriptor, content.constData(), content.size()), content.size());
    ::close(descriptor);
    const QString decoded = DecodeFileName(name);
    const char16_t kept[] = {u'a', u'u', u'l', u'a', 0xe9, 0xdce9, 0xdced, 0xdca0, 0xdc80};
    EXPECT_TRUE(decoded.endsWith(QString::fromUtf16(kept, 9) + QStringLiteral(".vrl")));

    StartApp({decoded});
    ASSERT_TRUE(m_bStarted);
    EXPECT_EQ(ActiveView().m_dSetPoint, 1234.0);
    EXPECT_EQ(EncodeFileName(Active()->GetDocument()->GetPathName()), name);
    ModalAnswer nameAsked([](QWidget* dialog) { dialog->close(); });
    EXPECT_FALSE(Active()->GetDocument()->DoFileSave()) << "Qt would write another file";
    EXPECT_TRUE(nameAsked.Fired());
}

/// What the process writes to standard error while `run` runs.
template <typename Run> std::string StandardErrorOf(Run run) {
    std::fflush(stderr);
    const int saved = ::dup(2);
    FILE* capture = std::tmpfile();
    ::dup2(::fileno(capture), 2);
    run();
    std::fflush(stderr);
    ::dup2(saved, 2);
    ::close(saved);
    std::string text(4096, '\0');
    std::rewind(capture);
    text.resize(std::fread(text.data(), 1, text.size(), capture));
    std::fclose(capture);
    return text;
}

TEST_F(DocumentTest, ASettingsFileThatIsNotARegularFileOrIsOverOneMegabyteIsIgnoredAtStartUp) {
    m_app.reset();
    const QString folder = qEnvironmentVariable("XDG_CONFIG_HOME");
    const QString settings = folder + QStringLiteral("/Local AppWizard-Generated Applications/Vorlint.conf");
    struct Restore {
        QString settings, folder;
        ~Restore() {
            QFile::remove(settings);
            QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder);
        }
    } restore{settings, folder};
    ASSERT_TRUE(QDir().mkpath(QFileInfo(settings).path()));
    const std::pair<std::function<void()>, const char*> files[] = {
        // Reading the FIFO would wait for a writer for good.
        {[&] { ASSERT_EQ(::mkfifo(QFile::encodeName(settings).constData(), 0600), 0); },
         "not a regular file"},
        {[&] {
             QFile file(settings);
             ASSERT_TRUE(file.open(QIODevice::WriteOnly));
             file.write("[General]\nfill=" + QByteArray(1024 * 1024, 'x') + "\n");
         },
         "larger than 1 MB"},
    };
    for (const auto& [make, reason] : files) {
        QFile::remove(settings);
        make();
        const std::string err = StandardErrorOf([&] {
            m_app = std::make_unique<CVorlintApp>();
            EXPECT_TRUE(m_app->InitInstance({}));
        });
        const std::string said = "vorlint: the settings file " + QFile::encodeName(settings).toStdString() +
                                 " is ignored: it is " + reason + "\n";
        EXPECT_NE(err.find(said), std::string::npos) << err;
        EXPECT_TRUE(QSettings().fileName().startsWith(QStringLiteral("/dev/null/"))) << reason;
        EXPECT_EQ(Windows().size(), 1u);
        m_app.reset();
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder);
    }
}

TEST_F(DocumentTest, RecentFilesAppearInTheFileMenuAndOpen) {
    const QString path = Path(QStringLiteral("recent.vrl"));
    WriteFile(path, "");
    ASSERT_NE(App().OpenDocumentFile(path), nullptr);
    Trigger(CommandId::FileClose);
    QMenu* file = Frame().menuBar()->actions().front()->menu();
    QStringList texts;
    for (QAction* item : file->actions())
        if (item->isVisible())
            texts << item->text();
    const QString entry = QStringLiteral("&1 ") + AbbreviatePath(path, 30);
    ASSERT_TRUE(texts.contains(entry)) << texts.join('|').toStdString();
    EXPECT_FALSE(texts.contains(QStringLiteral("Recent File")));

    for (QAction* item : file->actions())
        if (item->text() == entry)
            item->trigger();
    QApplication::processEvents();
    ASSERT_EQ(Windows().size(), 2u);
    EXPECT_EQ(Active()->windowTitle(), QStringLiteral("recent.vrl"));

    // The file already open is activated, not opened a second time.
    Trigger(CommandId::FileNew);
    ASSERT_EQ(Windows().size(), 3u);
    for (QAction* item : file->actions())
        if (item->text() == entry)
            item->trigger();
    QApplication::processEvents();
    EXPECT_EQ(Windows().size(), 3u);
    EXPECT_EQ(Active()->windowTitle(), QStringLiteral("recent.vrl"));
}

} // namespace
