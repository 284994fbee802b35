#include "FormulaFailureText.h"

#include "ErrorTables.h"
#include "Simulation.h"

#include <QCoreApplication>

#include <algorithm>
#include <cctype>

namespace {

// The engine's status for a character that is no digit of the current base, which is what a capital
// letter is to it.
constexpr int kCharacterOutOfBase = 11;

/// The engine's messages have no full stop of their own; the reason is a sentence that others follow.
QString Sentence(QString text) {
    if (!text.isEmpty() && !text.endsWith(QLatin1Char('.')) && !text.endsWith(QLatin1Char('!')))
        text += QLatin1Char('.');
    return text;
}

/// The first capital letter of `formula`, or 0: names are lower case, so a student's `P` is a name
/// the engine reads as a digit.
char FirstCapital(const std::string& formula) {
    const auto found = std::find_if(formula.begin(), formula.end(),
                                    [](char c) { return std::isupper(static_cast<unsigned char>(c)) != 0; });
    return found != formula.end() ? *found : '\0';
}

QString StatusText(int status, const std::string& formula) {
    if (status == CSimulation::kPlantGaveNoNumber)
        return QCoreApplication::translate("FormulaFailureText",
                                           "O resultado não é um número: a fórmula pede um valor que não "
                                           "existe, como sqrt(-1), (-8)^0.5 ou 5 mod 0.");
    const char capital = FirstCapital(formula);
    if (status == kCharacterOutOfBase && capital != '\0')
        return QCoreApplication::translate("FormulaFailureText",
                                           "\"%1\" não é um nome conhecido: os nomes são em minúsculas "
                                           "(p, t, dt).")
            .arg(QLatin1Char(capital));
    // A few statuses have no text of their own (a character the language does not use): nothing.
    const char* message = errorMessage(status);
    return *message != '\0' ? Sentence(QCoreApplication::translate("EngineStatus", message)) : QString();
}

} // namespace

QString FormulaFailureText(int status, const std::string& formula) {
    QString reason = StatusText(status, formula);
    // Every panel shows decimal commas, so a comma in a failing formula is most likely one typed for a
    // decimal point.
    if (formula.find(',') != std::string::npos)
        reason +=
            (reason.isEmpty() ? QString() : QStringLiteral(" ")) +
            QCoreApplication::translate("CExpressaoDlg", "As fórmulas usam ponto decimal (0.5) e \":\" "
                                                         "entre argumentos (frand(0:10)), não vírgula.");
    return reason;
}
