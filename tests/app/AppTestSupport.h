#pragma once

#include "ChildFrame.h"
#include "MainFrame.h"
#include "MdiChild.h"
#include "SessionScript.h"
#include "VorlintApp.h"
#include "VorlintView.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <vector>

#include <sys/resource.h>

// Readable failure messages for the toolkit's types.
/// The interface's language the test program installed at start-up (empty when it installs none).
inline QString& StoredInterfaceLanguage() {
    static QString language;
    return language;
}

inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QJsonObject& object, std::ostream* out) {
    *out << QJsonDocument(object).toJson(QJsonDocument::Compact).toStdString();
}

/// Answers the next modal dialog (message box, file dialog, formula dialog) from inside its own event
/// loop as soon as it shows. Destroying the object cancels an answer that was never needed.
class ModalAnswer {
public:
    explicit ModalAnswer(std::function<void(QWidget*)> answer) : m_answer(std::move(answer)) {
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            QWidget* dialog = QApplication::activeModalWidget();
            if (dialog == nullptr || !dialog->isVisible())
                return;
            m_timer.stop();
            m_bFired = true;
            m_answer(dialog);
        });
        m_timer.start(5);
    }
    bool Fired() const { return m_bFired; }

private:
    std::function<void(QWidget*)> m_answer;
    QTimer m_timer;
    bool m_bFired = false;
};

/// Fails the running test with the text of a modal dialog that stays open longer than any answer
/// takes (one no ModalAnswer expected: a refused file's message box), and closes it, so that the test
/// goes on and fails instead of waiting for the suite's time limit.
class UnexpectedDialogGuard {
public:
    static constexpr int kPatienceMs = 5000;

    UnexpectedDialogGuard() {
        QObject::connect(&m_timer, &QTimer::timeout, [this] { Look(); });
        m_timer.start(250);
    }

    /// What a dialog shows: a message box's text, else its title.
    static QString DialogText(QWidget* dialog) {
        const auto* box = qobject_cast<QMessageBox*>(dialog);
        return box != nullptr ? box->text() : dialog->windowTitle();
    }

private:
    void Look() {
        QWidget* dialog = QApplication::activeModalWidget();
        if (dialog == nullptr || !dialog->isVisible()) {
            m_seen = nullptr;
            return;
        }
        if (dialog != m_seen) {
            m_seen = dialog;
            m_since.start();
            return;
        }
        if (m_since.elapsed() < kPatienceMs)
            return;
        ADD_FAILURE() << "an unexpected modal dialog stayed open: " << DialogText(dialog).toStdString();
        m_seen = nullptr;
        if (auto* modal = qobject_cast<QDialog*>(dialog))
            modal->reject();
        else
            dialog->close();
    }

    QTimer m_timer;
    QPointer<QWidget> m_seen;
    QElapsedTimer m_since;
};

/// Presses a button of the message box that shows, keeping its text in `text` when asked.
inline std::function<void(QWidget*)> Press(QMessageBox::StandardButton button, QString* text = nullptr) {
    return [button, text](QWidget* dialog) {
        auto* box = qobject_cast<QMessageBox*>(dialog);
        ASSERT_NE(box, nullptr);
        if (text != nullptr)
            *text = box->text();
        box->button(button)->click();
    };
}

/// Presses the button labelled `label` of the message box that shows, keeping its text in `text`.
inline std::function<void(QWidget*)> PressLabelled(const QString& label, QString* text = nullptr) {
    return [label, text](QWidget* dialog) {
        auto* box = qobject_cast<QMessageBox*>(dialog);
        ASSERT_NE(box, nullptr);
        if (text != nullptr)
            *text = box->text();
        for (QAbstractButton* button : box->buttons()) {
            if (button->text() == label)
                return button->click();
        }
        ADD_FAILURE() << "no button " << label.toStdString();
        box->reject();
    };
}

/// Answers a file dialog with a file name.
inline std::function<void(QWidget*)> ChooseFile(const QString& path) {
    return [path](QWidget* dialog) {
        auto* files = qobject_cast<QFileDialog*>(dialog);
        ASSERT_NE(files, nullptr);
        files->selectFile(path);
        QMetaObject::invokeMethod(files, "accept");
    };
}

/// Writes a file with `content`.
inline void WriteFile(const QString& path, const QByteArray& content) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
}

/// The words of `pdf` as an independent reader (pdftotext) finds them, on one line, written through
/// `path`; nothing when the machine has no reader.
inline std::optional<QString> PdfWords(const QByteArray& pdf, const QString& path) {
    const QString reader = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (reader.isEmpty())
        return std::nullopt;
    WriteFile(path, pdf);
    QProcess process;
    process.start(reader, {QStringLiteral("-enc"), QStringLiteral("UTF-8"), path, QStringLiteral("-")});
    EXPECT_TRUE(process.waitForFinished(10000));
    return QString::fromUtf8(process.readAllStandardOutput()).simplified();
}

/// While it lives, writing a file beyond `bytes` fails as on a full disk (the signal such a write
/// raises is ignored, so the write reports the failure instead).
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &m_old);
        const rlimit limit{bytes, m_old.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_old{};
    void (*m_oldHandler)(int) = nullptr;
};

/// Runs the event loop for `ms` milliseconds, so that the simulation timers fire.
inline void RunEventLoop(int ms) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms)
        QApplication::processEvents(QEventLoop::AllEvents, 5);
}

/// Empties the application's settings (in the tests' own settings folder).
inline void ClearAppSettings() {
    QCoreApplication::setOrganizationName(QStringLiteral("Local AppWizard-Generated Applications"));
    QCoreApplication::setApplicationName(QStringLiteral("Vorlint"));
    QSettings().clear();
}

/// A started application with empty settings, working in a temporary folder: the main window shows
/// the start-up document "Vorlint1".
class AppTest : public ::testing::Test {
protected:
    void SetUp() override { StartApp({}); }

    void StartApp(const QStringList& arguments) {
        ClearAppSettings();
        m_app = std::make_unique<CVorlintApp>(StoredInterfaceLanguage());
        m_bStarted = m_app->InitInstance(arguments);
        if (m_bStarted) {
            Frame().resize(1000, 720);
            QApplication::processEvents();
        }
    }

    CVorlintApp& App() { return *m_app; }
    CMainFrame& Frame() { return *m_app->MainFrame(); }
    void Trigger(int commandId) { SessionScript::Trigger(Frame(), commandId); }
    std::vector<CMdiChild*> Windows() { return SessionScript::Windows(Frame()); }
    CMdiChild* Active() { return Frame().ActiveChild(); }
    CVorlintView& ActiveView() { return *Active()->View(); }
    QAction& Action(int commandId) { return *Frame().Action(commandId); }
    /// A path in the test's own folder.
    QString Path(const QString& name) const { return m_folder.filePath(name); }

    QTemporaryDir m_folder;
    std::unique_ptr<CVorlintApp> m_app;
    bool m_bStarted = false;
};
