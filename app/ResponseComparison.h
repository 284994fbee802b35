#pragma once

class CCompareResponsesWindow;
class CMainFrame;

/// Janela > "Comparar respostas...": shows the comparison of the simulation windows of `frame`, made the
/// first time with its exports wired to the files' export commands, and brings it to the front.
CCompareResponsesWindow& ShowResponseComparison(CMainFrame& frame);
