#pragma once

class QWidget;

namespace platform {
struct Services;
}

// The Help menu's commands: the help file's contents and the About dialog. The window
// calls each handler from its menu item.
namespace about {

class HelpMenu
{
public:
    // frmMain: the main window, whose caption and icon these read and which owns the
    // help window.
    HelpMenu(QWidget &frmMain, platform::Services &services)
        : m_frmMain(frmMain), m_services(services)
    {}

    void mnHelpContents_Click();
    void mnuHelpAbout_Click();

private:
    QWidget &m_frmMain;
    platform::Services &m_services;
};

} // namespace about
