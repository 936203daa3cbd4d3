#pragma once
// How the main window opens the wizard: by its menu command, and once at start-up in the update
// only mode when the command line named a configuration.

class CBTSConfigurationDoc;
class CMainFrame;
class CRegistry;

// Gives the main frame its "&Wizard..." command.
void InstallWizard(CMainFrame& frame, CBTSConfigurationDoc& doc, CRegistry& settings);
// After the start-up passes have loaded the configuration of -SCF/-SNR: opens the wizard on the
// waiting page, once. False when there was nothing to open.
bool OpenStartupWizard(CMainFrame& frame, CBTSConfigurationDoc& doc, CRegistry& settings);
