#include "saver/win32/ConfigureMode.h"
#include "config/win32/ChangePasswordDlg.h"
#include "platform/MessageBox.h"
#include "settings/Settings.h"

// Until the full settings sheet exists, the settings offer the password.
void RunConfiguration() {
    Settings settings;
    settings.Load();
    if (CChangePasswordDlg(settings, settings, nullptr).DoModal() == IDOK && !settings.Save())
        ShowMessageBox(nullptr, "The settings could not be saved.", MessageIcon::Stop);
}
