#include "MenuResources.h"

#include "CommandIds.h"
#include "CommandTable.h"

#include <QCoreApplication>
#include <QMenu>

#include <initializer_list>

namespace {

using namespace CommandId;

constexpr int kSeparator = 0;

struct Popup {
    const char* title;
    std::initializer_list<int> items;
};

const Popup kNoDocumentMenu[] = {
    {QT_TRANSLATE_NOOP("MenuResource", "&File"),
     {FileNew, FileOpen, kSeparator, FilePrintSetup, kSeparator, FileMruFirst, kSeparator, FileClose,
      AppExit}},
    {QT_TRANSLATE_NOOP("MenuResource", "&View"), {ViewToolbar, ViewStatusBar}},
    {QT_TRANSLATE_NOOP("MenuResource", "&Help"), {AppAbout}},
};

const Popup kDocumentMenu[] = {
    {QT_TRANSLATE_NOOP("MenuResource", "&File"),
     {FileNew, FileOpen, FileClose, FileSave, FileSaveAs, kSeparator, FileExportChart, FileExportData,
      FileLabReport, kSeparator, FilePrint, FilePrintPreview, FilePrintSetup, kSeparator, FileMruFirst,
      kSeparator, AppExit}},
    {QT_TRANSLATE_NOOP("MenuResource", "&Edit"), {EditUndo, kSeparator, EditCut, EditCopy, EditPaste}},
    {QT_TRANSLATE_NOOP("MenuResource", "&Simulação"),
     {SimStart, SimStop, kSeparator, SimSetPointStep, SimEvents, SimFormula, SimPlantController, SimTuning,
      SimFrequency, kSeparator, SimExercise}},
    {QT_TRANSLATE_NOOP("MenuResource", "&View"),
     {ViewToolbar, ViewStatusBar, kSeparator, ViewHighContrast, ViewScale, ViewSetPointOverTime, kSeparator,
      ViewStepResponse, ViewExercise, ViewRunHistory}},
    {QT_TRANSLATE_NOOP("MenuResource", "&Window"),
     {WindowNew, WindowCascade, WindowTile, WindowArrange, kSeparator, WindowCompare}},
    {QT_TRANSLATE_NOOP("MenuResource", "&Help"), {AppAbout}},
};

template <std::size_t N>
QList<QMenu*> BuildPopups(const Popup (&popups)[N], const CCommandTable& commands, QWidget* parent) {
    QList<QMenu*> menus;
    for (const Popup& popup : popups) {
        auto* menu = new QMenu(QCoreApplication::translate("MenuResource", popup.title), parent);
        for (int id : popup.items) {
            if (id == kSeparator)
                menu->addSeparator();
            else
                menu->addAction(commands.Action(id));
        }
        menus.append(menu);
    }
    return menus;
}

} // namespace

QList<QMenu*> BuildMenuResource(int resourceId, const CCommandTable& commands, QWidget* parent) {
    if (resourceId == MenuResource::kDocument)
        return BuildPopups(kDocumentMenu, commands, parent);
    return BuildPopups(kNoDocumentMenu, commands, parent);
}
