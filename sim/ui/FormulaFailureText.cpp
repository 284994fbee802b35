#include "FormulaFailureText.h"

#include "ErrorTables.h"
#include "Simulation.h"

#include <QCoreApplication>

namespace {

QString StatusText(int status) {
    if (status == CSimulation::kPlantGaveNoNumber)
        return QCoreApplication::translate("FormulaFailureText", "A fórmula não deu um número.");
    // A few statuses have no text of their own (a character the language does not use): nothing.
    const char* message = errorMessage(status);
    return *message != '\0' ? QCoreApplication::translate("EngineStatus", message) : QString();
}

} // namespace

QString FormulaFailureText(int status, const std::string& formula) {
    QString reason = StatusText(status);
    // Every panel shows decimal commas, so a comma in a failing formula is most likely one typed for a
    // decimal point.
    if (formula.find(',') != std::string::npos)
        reason +=
            (reason.isEmpty() ? QString() : QStringLiteral(" ")) +
            QCoreApplication::translate("CExpressaoDlg", "As fórmulas usam ponto decimal (0.5) e \":\" "
                                                         "entre argumentos (frand(0:10)), não vírgula.");
    return reason;
}
