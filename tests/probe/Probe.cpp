#include "Probe.h"

#include "model/MemoryClipboard.h"
#include "os/SystemNumberLocale.h"
#include "startup/Startup.h"

#include <stdexcept>

namespace brelvon {

namespace {

using nlohmann::json;

json ColorJson(Rgb color) { return json::array({color.R, color.G, color.B}); }

const char* KindName(ControlKind kind)
{
    switch (kind) {
    case ControlKind::Form: return "Form";
    case ControlKind::Label: return "Label";
    case ControlKind::TextBox: return "TextBox";
    case ControlKind::CommandButton: return "CommandButton";
    case ControlKind::CheckBox: return "CheckBox";
    case ControlKind::OptionButton: return "OptionButton";
    case ControlKind::Frame: return "Frame";
    case ControlKind::Line: return "Line";
    case ControlKind::PictureBox: return "PictureBox";
    }
    return "";
}

const char* AlignmentName(TextAlignment alignment)
{
    switch (alignment) {
    case TextAlignment::Left: return "Left";
    case TextAlignment::Right: return "Right";
    case TextAlignment::Center: return "Center";
    }
    return "";
}

json Optional(const std::optional<std::int64_t>& value) { return value ? json(*value) : json(nullptr); }

json TableJson(const DriveTable& table)
{
    json rows = json::array();
    for (int i = 1; i <= table.DriveRowCount; ++i) {
        const DriveTableRow& row = table.Row(i);
        rows.push_back({{"Letter", row.Letter},
                        {"RowLabel", row.RowLabel},
                        {"TotalMb", Optional(row.TotalMb)},
                        {"FreeMb", Optional(row.FreeMb)},
                        {"UsedMb", Optional(row.UsedMb)},
                        {"PercentUsed", row.PercentUsed},
                        {"RowKind", row.RowKind},
                        {"CategoryName", row.CategoryName},
                        {"Ready", row.Ready}});
    }
    return rows;
}

json StateJson(const FormState& state)
{
    return {{"FormReady", state.FormReady},
            {"LayoutPending", state.LayoutPending},
            {"CaptionsPending", state.CaptionsPending},
            {"Loading", state.Loading},
            {"CopyPending", state.CopyPending},
            {"BlueLimit", state.BlueLimit},
            {"RedLimit", state.RedLimit},
            {"CmdBlueLimit", state.CmdBlueLimit},
            {"CmdRedLimit", state.CmdRedLimit}};
}

std::uint16_t ParseLangId(const std::string& text)
{
    std::size_t used = 0;
    const unsigned long value = std::stoul(text, &used, 0);
    if (used != text.size() || value > 0xFFFF) throw std::invalid_argument("--langid takes a number from 0 to 65535");
    return static_cast<std::uint16_t>(value);
}

Control& Named(MainForm& form, const std::string& name)
{
    Control* control = form.Window().Find(name);
    if (control == nullptr && form.About() != nullptr) control = form.About()->Find(name);
    if (control == nullptr) throw std::invalid_argument("no control named " + name);
    return *control;
}

}  // namespace

json ControlJson(const Control& control)
{
    json properties = {{"Kind", KindName(control.Kind)}, {"Visible", control.Visible}, {"Tag", control.Tag}};
    // Positions are relative to the container: a frame, or the window when there is none.
    if (control.Container != nullptr) properties["Container"] = control.Container->FullName();
    if (control.Kind == ControlKind::Line) {
        properties.update({{"X1", control.X1},
                           {"Y1", control.Y1},
                           {"X2", control.X2},
                           {"Y2", control.Y2},
                           {"BorderColor", ColorJson(control.BorderColor)}});
        return properties;
    }
    properties[control.Kind == ControlKind::TextBox ? "Text" : "Caption"] = control.Text;
    if (control.Kind == ControlKind::CheckBox) properties["Value"] = control.Value;
    if (control.Kind == ControlKind::OptionButton) properties["Value"] = control.Value != 0;
    properties.update({{"Left", control.Left},
                       {"Top", control.Top},
                       {"Width", control.Width},
                       {"Height", control.Height},
                       {"Enabled", control.Enabled},
                       {"BackColor", ColorJson(control.BackColor)},
                       {"ForeColor", ColorJson(control.ForeColor)},
                       {"FontName", control.FontName},
                       {"FontSize", control.FontSize},
                       {"FontBold", control.FontBold},
                       {"FontItalic", control.FontItalic},
                       {"Alignment", AlignmentName(control.Alignment)}});
    if (control.Kind == ControlKind::Label) {
        properties["Opaque"] = control.Opaque;
        properties["Bordered"] = control.Bordered;
    }
    if (control.Kind == ControlKind::TextBox) {
        properties["MaxLength"] = control.MaxLength;
        properties["Locked"] = control.Locked;
    }
    return properties;
}

json ProbeSnapshot(MainForm& form, const std::optional<std::string>& clipboard, const std::string& error)
{
    json controls = json::object();
    auto add = [&controls](const Control& control) { controls[control.FullName()] = ControlJson(control); };
    form.Window().ForEachControl(add);
    if (form.About() != nullptr) form.About()->ForEachControl(add);

    const Control* focus = form.Window().Focus();
    json snapshot = {{"controls", controls},
                     {"state", StateJson(form.State())},
                     {"table", TableJson(form.LastTable())},
                     {"focus", focus != nullptr ? json(focus->FullName()) : json(nullptr)},
                     {"clipboard", clipboard ? json(*clipboard) : json(nullptr)},
                     {"ended", form.Ended()}};
    if (!error.empty()) snapshot["error"] = error;
    return snapshot;
}

json RunProbe(const std::vector<std::string>& arguments)
{
    struct Event {
        enum class Kind { Click, Type, SetText, CloseAbout, MachineChanged } What;
        std::string Name;
        std::string Text;
    };
    Services services;
    services.Application.ExeName = "Brelvon";
    services.Locale = NumberLocaleForName("en_US");
    std::optional<std::string> drivesFile;
    std::vector<Event> events;

    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& option = arguments[i];
        auto value = [&]() -> const std::string& {
            if (i + 1 >= arguments.size()) throw std::invalid_argument(option + " needs a value");
            return arguments[++i];
        };
        if (option == "--drives") {
            drivesFile = value();
        } else if (option == "--args") {
            services.Application.ArgumentText = value();
        } else if (option == "--exe") {
            services.Application.ExeName = value();
        } else if (option == "--langid") {
            services.SystemLangId = ParseLangId(value());
        } else if (option == "--locale") {
            services.Locale = NumberLocaleForName(value());
        } else if (option == "--click") {
            events.push_back({Event::Kind::Click, value(), {}});
        } else if (option == "--type") {
            const std::string& assignment = value();
            const auto equals = assignment.find('=');
            if (equals == std::string::npos) throw std::invalid_argument("--type takes NAME=TEXT");
            events.push_back({Event::Kind::Type, assignment.substr(0, equals), assignment.substr(equals + 1)});
        } else if (option == "--set-text") {
            // A write as the program itself could make, beyond what typing allows.
            const std::string& assignment = value();
            const auto equals = assignment.find('=');
            if (equals == std::string::npos) throw std::invalid_argument("--set-text takes NAME=TEXT");
            events.push_back({Event::Kind::SetText, assignment.substr(0, equals), assignment.substr(equals + 1)});
        } else if (option == "--close-about") {
            events.push_back({Event::Kind::CloseAbout, {}, {}});
        } else if (option == "--machine-changed") {
            // The machine now has the drives of this file, and the window is told.
            events.push_back({Event::Kind::MachineChanged, {}, value()});
        } else {
            throw std::invalid_argument("unknown option " + option);
        }
    }
    // The drives a machine-caused refresh finds may be other than the first ones.
    auto drives = std::make_shared<DriveServiceFactory>(ChooseDrives(drivesFile, ThisMachine()));
    services.Drives = [drives] { return (*drives)(); };

    MemoryClipboard clipboard;
    services.SystemClipboard = &clipboard;
    std::string error;
    services.OnUnhandledError = [&error](const std::exception& e) { error = e.what(); };

    MainForm form(std::move(services));
    form.Initialize();
    for (const Event& event : events) {
        if (form.Ended()) break;
        switch (event.What) {
        case Event::Kind::Click: form.Click(Named(form, event.Name)); break;
        case Event::Kind::Type: form.Type(Named(form, event.Name), event.Text); break;
        case Event::Kind::SetText: Named(form, event.Name).Text = event.Text; break;
        case Event::Kind::CloseAbout: form.CloseAbout(); break;
        case Event::Kind::MachineChanged:
            *drives = ChooseDrives(event.Text, ThisMachine());
            form.MachineChanged();
            break;
        }
    }
    return ProbeSnapshot(form, clipboard.Text(), error);
}

}  // namespace brelvon
