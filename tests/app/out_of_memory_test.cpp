#include "AllocationFault.h"
#include "AppTestSupport.h"
#include "CommandIds.h"
#include "Document.h"
#include "ExpressaoDlg.h"

#include <QLineEdit>

namespace {

// Each test makes the first allocation of the code under test fail, as when memory runs out there.
using OutOfMemoryTest = AppTest;

TEST_F(OutOfMemoryTest, TheFormulaDialogShowsAnError) {
    CExpressaoDlg dialog;
    dialog.m_strFormula = "p";
    dialog.show();
    const QString typed = QStringLiteral("p+1");
    AllocationFault::FailAllocation();
    emit dialog.FormulaEdit()->textChanged(typed);
    EXPECT_FALSE(AllocationFault::Pending());
    EXPECT_EQ(dialog.ResultEdit()->text(), QStringLiteral("Erro na fórmula"));
}

TEST_F(OutOfMemoryTest, OpeningOrSavingADocumentReportsIt) {
    CDocument& document = *Active()->GetDocument();
    const QString path = Path(QStringLiteral("lab.vrl"));
    WriteFile(path, "");
    const std::pair<const char*, bool (CDocument::*)(const QString&)> operations[] = {
        {"Failed to open document.", &CDocument::OnOpenDocument},
        {"Failed to save document.", &CDocument::OnSaveDocument},
    };
    for (const auto& [failure, operation] : operations) {
        QString message;
        ModalAnswer answer(Press(QMessageBox::Ok, &message));
        AllocationFault::FailAllocation();
        EXPECT_FALSE((document.*operation)(path)) << failure;
        EXPECT_TRUE(answer.Fired());
        EXPECT_EQ(message, QStringLiteral("%1\n\n%2: Out of memory").arg(QString::fromLatin1(failure), path));
    }
}

TEST_F(OutOfMemoryTest, AStepStopsTheSimulationAndSaysWhy) {
    Trigger(CommandId::SimStart);
    CVorlintView& view = ActiveView();
    QString message;
    ModalAnswer answer(Press(QMessageBox::Ok, &message));
    AllocationFault::FailAllocation();
    view.OnTimer();
    EXPECT_FALSE(view.IsRunning());
    EXPECT_FALSE(Action(CommandId::SimStart).isChecked());
    for (int wait = 0; wait < 100 && !answer.Fired(); ++wait)
        RunEventLoop(10);
    EXPECT_EQ(message, QStringLiteral("Memória insuficiente: a simulação desta janela foi parada."));
}

} // namespace
