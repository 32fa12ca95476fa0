#include "window/AboutWindow.h"

#include "window/MakerFacts.h"

namespace brelvon {

AboutWindow::AboutWindow(const ApplicationFacts& application) : Form("frmAbout")
{
    Window.Text = "About";
    Window.Width = ClientWidth + FrameExtraWidth;
    Window.Height = ClientHeight + FrameExtraHeight;
    Window.Visible = false;

    picIcon = MakeControl(ControlKind::PictureBox, "picIcon", "", 240, 240, 540, 540);
    lblTitle = MakeControl(ControlKind::Label, "lblTitle", "Titre de l'application", 1050, 240, 2490, 255);
    lblTitle.FontBold = true;
    lblVersion = MakeControl(ControlKind::Label, "lblVersion", "Version", 1050, 510, 2490, 225);
    lblAuthor = MakeControl(ControlKind::Label, "lblAuthor", "Version", 1050, 765, 2490, 225);
    for (Control* control : {&picIcon, &lblTitle, &lblVersion, &lblAuthor}) Register(*control);

    // Loading.
    Window.Text = " About";
    lblTitle.Text = application.Title;
    lblVersion.Text = "Version " + application.VersionText() + " - " + ReleaseDate;
    lblAuthor.Text = MakerLine();
}

std::string AboutWindow::MakerLine() { return JoinMakerLine(maker::Name, maker::Url); }

std::string AboutWindow::JoinMakerLine(std::string_view name, std::string_view address)
{
    std::string line(name);
    if (!address.empty()) line.append(" - ").append(address);
    return line;
}

}  // namespace brelvon
