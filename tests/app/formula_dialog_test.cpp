#include "AppTestSupport.h"
#include "CommandIds.h"
#include "ExpressaoDlg.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <utility>

namespace {

struct Evaluation {
    const char* formula;
    const char* shown;
    const char* message; ///< the engine's message on the line below the result
};

/// The result edit and the message line after the user has typed the formula over the edit's text.
std::pair<QString, QString> ResultAfterTyping(const char* formula) {
    CExpressaoDlg dialog;
    dialog.m_strFormula = "p";
    dialog.show();
    QLineEdit* edit = dialog.FormulaEdit();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, QString::fromUtf8(formula));
    return {dialog.ResultEdit()->text(), dialog.MessageLabel()->text()};
}

class FormulaResultTest : public ::testing::TestWithParam<Evaluation> {};

TEST_P(FormulaResultTest, ShowsTheValueOnTestValuesOrTheErrorWithTheEnginesMessage) {
    const auto [result, message] = ResultAfterTyping(GetParam().formula);
    EXPECT_EQ(result, QString::fromUtf8(GetParam().shown));
    EXPECT_EQ(message, QString::fromUtf8(GetParam().message));
}

constexpr const char* kFormulaError = "Erro na fórmula";

INSTANTIATE_TEST_SUITE_P(
    Formulas, FormulaResultTest,
    ::testing::Values(
        Evaluation{"p + ((t/100)*5000 - p*1.0)*dt", "742.000000", ""}, Evaluation{"p", "2.000000", ""},
        Evaluation{"t*dt", "15.000000", ""}, Evaluation{"p/4", "0.500000", ""},
        Evaluation{"-p*1000000", "-2000000.000000", ""}, Evaluation{"1/3", "0.333333", ""},
        Evaluation{"10^20", "100000000000000000000.000000", ""},
        Evaluation{"1/0", kFormulaError, "Illegal attempt to divide by zero."},
        Evaluation{"p/(t-3)", kFormulaError, "Illegal attempt to divide by zero."},
        Evaluation{"p +", kFormulaError, "You did not enter an operand for the last operator."},
        Evaluation{"q", kFormulaError, "Undefined constant."},
        Evaluation{"(p", kFormulaError, "Unmatched parenthesis."}, Evaluation{"p $ 2", kFormulaError, ""},
        // A capital letter is a digit of no base to the engine; to the student a name.
        Evaluation{"P+1", kFormulaError,
                   "\"P\" não é um nome conhecido: os nomes são em minúsculas (p, t, dt)."},
        Evaluation{"sqrt(-1)", kFormulaError,
                   "O resultado não é um número: a fórmula pede um valor que não existe, como sqrt(-1), "
                   "(-8)^0.5 ou 5 mod 0."},
        Evaluation{"0,5*p", kFormulaError,
                   "As fórmulas usam ponto decimal (0.5) e \":\" entre argumentos (frand(0:10)), não "
                   "vírgula."}));

TEST(FormulaDialogTest, EmptiedFormulaIsAnError) {
    CExpressaoDlg dialog;
    dialog.m_strFormula = "p";
    dialog.show();
    dialog.FormulaEdit()->selectAll();
    QTest::keyClick(dialog.FormulaEdit(), Qt::Key_Backspace);
    EXPECT_EQ(dialog.ResultEdit()->text(), QStringLiteral("Erro na fórmula"));
}

TEST(FormulaDialogTest, OpensWithTheFormulaAndNoResult) {
    CExpressaoDlg dialog;
    dialog.m_strFormula = "p*2";
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Expressão"));
    EXPECT_EQ(dialog.FormulaEdit()->text(), QStringLiteral("p*2"));
    EXPECT_EQ(dialog.ResultEdit()->text(), QString());
    EXPECT_TRUE(dialog.ResultEdit()->isReadOnly());
    QStringList texts;
    for (QLabel* label : dialog.findChildren<QLabel*>())
        texts << label->text();
    EXPECT_EQ(texts, (QStringList{QStringLiteral("Entre com a expressão do ponto, onde:"),
                                  QStringLiteral("p = ponto atual"),
                                  QStringLiteral("t = posição da potência (0 - 100)"),
                                  QStringLiteral("dt = Intervalo de tempo do passo"),
                                  QStringLiteral("Teste com p = 2.0; t = 3.0 e dt = 5.0"), QString()}));
}

/// Opens the dialog through the active view's command, types `typed` over the formula and ends the
/// dialog with the button that has the text `button`.
class FormulaCommandTest : public AppTest {
protected:
    void EditThroughCommand(const QString& typed, const QString& button) {
        ModalAnswer answer([&](QWidget* dialog) {
            auto* formula = qobject_cast<CExpressaoDlg*>(dialog);
            ASSERT_NE(formula, nullptr);
            EXPECT_EQ(formula->parentWidget(), nullptr);
            formula->FormulaEdit()->selectAll();
            QTest::keyClicks(formula->FormulaEdit(), typed);
            for (QPushButton* each : formula->findChildren<QPushButton*>())
                if (each->text() == button)
                    each->click();
        });
        Trigger(CommandId::SimFormula);
        ASSERT_TRUE(answer.Fired());
    }
};

TEST_F(FormulaCommandTest, CancelKeepsTheViewsFormula) {
    EditThroughCommand(QStringLiteral("p*0.5"), QStringLiteral("Cancelar"));
    EXPECT_EQ(ActiveView().m_strFormula, "p + ((t/100)*5000 - p*1.0)*dt");
}

TEST_F(FormulaCommandTest, OkGivesTheViewTheTypedFormula) {
    EditThroughCommand(QStringLiteral("p + 1"), QStringLiteral("OK"));
    EXPECT_EQ(ActiveView().m_strFormula, "p + 1");
    ActiveView().OnTimer();
    EXPECT_EQ(ActiveView().m_dPoint, 21.0);
}

TEST_F(FormulaCommandTest, AFailingFormulaFreezesThePointWhileTheHistoryGrows) {
    CVorlintView& view = ActiveView();
    view.OnTimer();
    EditThroughCommand(QStringLiteral("p/0"), QStringLiteral("OK"));
    EXPECT_EQ(view.m_strFormula, "p/0");
    const double frozen = view.m_dPoint;
    for (int i = 0; i < 5; ++i)
        view.OnTimer();
    EXPECT_EQ(view.m_dPoint, frozen);
    EXPECT_EQ(view.m_history.size(), 6u);
    // The engine's message is a sentence of the note.
    EXPECT_EQ(view.PlantFailureNote(),
              QStringLiteral("Erro na fórmula: Illegal attempt to divide by zero. O point fica "
                             "parado até a fórmula dar um número de novo."));
}

} // namespace
