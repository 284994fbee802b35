#include "PreparedFormula.h"

#include "ConstantSubstitution.h"
#include "DataFiles.h"
#include "EquationEngine.h"
#include "UnitConversion.h"
#include "VariableList.h"

PreparedFormula::PreparedFormula(std::vector<std::string> bindingNames, DataFiles* files)
    : bindingNames(std::move(bindingNames)), files(files ? files : &DataFiles::shared()) {}

int PreparedFormula::evaluate(const std::string& formula, const double* bindingValues, double& result) {
    if (!isPreparedFor(formula))
        prepare(formula);
    if (parseStatus != 0)
        return parseStatus;
    frame.start(bindingValues);
    Evaluator evaluator(settings);
    return evaluator.run(program, frame, stack.data(), result);
}

// The store answers for a table with the record it holds while the file keeps its identity, so an
// unchanged record is the same pointer.
bool PreparedFormula::isPreparedFor(const std::string& formula) {
    return prepared && formula == text && (!readsUnits || files->units() == units) &&
           (!readsConstants || files->constants() == constants);
}

void PreparedFormula::prepare(const std::string& formula) {
    prepared = false;
    EquationEngine engine(*files);
    text = formula;
    readsUnits = mayConvertUnits(formula);
    readsConstants = readsUnits || mayReferToConstants(formula);
    units = engine.UnitTableRecord();
    constants = engine.ConstantTableRecord();
    parseStatus = engine.Prepare(formula);
    program = parseStatus == 0 ? engine.SlotProgram(engine.CurrentSlot()) : FormulaProgram();
    frame.layOut(program, bindingNames.data(), bindingNames.size(), VariableList());
    stack.resize(program.stackDepth());
    prepared = true;
}
