#pragma once

/// The command identifiers of the menus, the toolbar and the accelerators. The numbers are those of
/// the stock framework commands and of Vorlint's own commands.
namespace CommandId {
enum : int {
    FileNew = 57600,
    FileOpen = 57601,
    FileClose = 57602,
    FileSave = 57603,
    FileSaveAs = 57604,
    FilePrintSetup = 57606,
    FilePrint = 57607,
    FilePrintPreview = 57609,
    FileMruFirst = 57616,
    EditCopy = 57634,
    EditCut = 57635,
    EditPaste = 57637,
    EditUndo = 57643,
    WindowNew = 57648,
    WindowArrange = 57649,
    WindowCascade = 57650,
    WindowTile = 57651,
    AppAbout = 57664,
    AppExit = 57665,
    NextPane = 57680,
    PrevPane = 57681,
    ViewToolbar = 59392,
    ViewStatusBar = 59393,
    SimStart = 32771,
    SimStop = 32773,
    SimFormula = 32775,
    SimPlantController = 32776,
    SimTuning = 32777,
    SimSetPointStep = 32778,
    ViewHighContrast = 32801,
    ViewScale = 32802,
    ViewStepResponse = 32803,
    FileExportChart = 32810,
    FileExportData = 32811,
    WindowCompare = 32812,
};
} // namespace CommandId
