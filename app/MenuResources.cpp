#include "MenuResources.h"

#include "CommandIds.h"
#include "CommandTable.h"

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
    {"&File",
     {FileNew, FileOpen, kSeparator, FilePrintSetup, kSeparator, FileMruFirst, kSeparator, FileClose,
      AppExit}},
    {"&View", {ViewToolbar, ViewStatusBar}},
    {"&Help", {AppAbout}},
};

const Popup kDocumentMenu[] = {
    {"&File",
     {FileNew, FileOpen, FileClose, FileSave, FileSaveAs, kSeparator, FileExportChart, FileExportData,
      kSeparator, FilePrint, FilePrintPreview, FilePrintSetup, kSeparator, FileMruFirst, kSeparator,
      AppExit}},
    {"&Edit", {EditUndo, kSeparator, EditCut, EditCopy, EditPaste}},
    {"&Simulação", {SimStart, SimStop, kSeparator, SimFormula, SimPlantController, SimTuning}},
    {"&View",
     {ViewToolbar, ViewStatusBar, kSeparator, ViewHighContrast, ViewScale, kSeparator, ViewStepResponse}},
    {"&Window", {WindowNew, WindowCascade, WindowTile, WindowArrange}},
    {"&Help", {AppAbout}},
};

template <std::size_t N>
QList<QMenu*> BuildPopups(const Popup (&popups)[N], const CCommandTable& commands, QWidget* parent) {
    QList<QMenu*> menus;
    for (const Popup& popup : popups) {
        auto* menu = new QMenu(QString::fromUtf8(popup.title), parent);
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
