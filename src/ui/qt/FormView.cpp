#include "ui/qt/FormView.h"

#include "ui/qt/AccessibleTreeMirror.h"
#include "ui/qt/CellCopy.h"
#include "ui/qt/FontFaces.h"
#include "ui/qt/ModelAccessible.h"
#include "ui/qt/ModelFrame.h"
#include "ui/qt/ModelLabel.h"
#include "ui/qt/ModelLine.h"
#include "ui/qt/ModelPicture.h"
#include "ui/qt/ModelTextBox.h"
#include "ui/shared/CellOverflow.h"
#include "ui/shared/ColumnFit.h"
#include "ui/shared/Ellipsis.h"
#include "ui/shared/FaceSpaces.h"
#include "ui/shared/FitWidths.h"
#include "ui/shared/ShownText.h"
#include "ui/shared/Stacking.h"
#include "window/AccessibleNames.h"

#include <QApplication>
#include <QCheckBox>
#include <QFontMetricsF>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QRawFont>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionFrame>

#include <algorithm>
#include <map>
#include <optional>
#include <utility>
#include <vector>

namespace brelvon {

namespace {

// A text box takes at most this many characters when the model sets no limit.
constexpr int UnlimitedLength = 32767;
// Pixels a QLineEdit keeps free on each side of its text, inside its frame.
constexpr int LineEditTextMargin = 2;
// The least of the scrolling band that a window too tall for its screen shows: two table rows.
constexpr int MinimumBandTwips = 660;

// Runs an action when the widget it watches is double clicked with the left
// button; the widget handles the click as usual too.
class DoubleClickRelay final : public QObject {
public:
    DoubleClickRelay(QWidget* widget, std::function<void()> action) : QObject(widget), action_(std::move(action))
    {
        widget->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::MouseButtonDblClick &&
            static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            action_();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> action_;
};

// A button, check box or option button that takes a click anywhere in its
// place: Qt's check boxes and option buttons take one only on their
// indicator and text, its push buttons only inside their bevel.
template <typename Button>
class WholeButton final : public Button {
public:
    using Button::Button;

protected:
    bool hitButton(const QPoint& pos) const override { return this->rect().contains(pos); }
};

// The width a line edit gives its text: inside its frame and margins.
int TextWidthOf(const QLineEdit& edit)
{
    QStyleOptionFrame option;
    option.initFrom(&edit);
    option.rect = edit.rect();
    option.lineWidth = edit.hasFrame() ? edit.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &edit) : 0;
    const QRect contents = edit.style()->subElementRect(QStyle::SE_LineEditContents, &option, &edit);
    const QMargins margins = edit.textMargins();
    return contents.width() - margins.left() - margins.right() - 2 * LineEditTextMargin;
}

// A text as a cell shows it in a font: with the narrow spaces the font's own
// face lacks turned into one it has.
QString InFace(const std::string& text, const QFont& font)
{
    // The face is asked only about a narrow space the text holds: most texts hold none.
    std::optional<QRawFont> face;
    return QString::fromStdString(WithSpacesTheFaceHas(text, [&face, &font](char32_t code) {
        if (!face) face = QRawFont::fromFont(font);
        return !face->isValid() || face->supportsCharacter(static_cast<uint>(code));
    }));
}

// What the control must show of its text.
std::string TextToShowOf(const Control& control) { return TextToShow(control, brelvon::ShownText(control)); }

QFont FontAtSize(const Control& control, double pointSize)
{
    QFont font = FontFor(control);
    if (pointSize != control.FontSize) font.setPointSizeF(pointSize);
    return font;
}

void ShowInCell(QLineEdit& edit, const QFont& font, const QString& text)
{
    if (edit.font() != font) edit.setFont(font);
    if (edit.text() != text) {
        edit.setText(text);
        edit.setCursorPosition(0);  // the beginning shows, should the text still be too wide
    }
}

QColor ToQColor(Rgb color) { return {color.R, color.G, color.B}; }

Qt::Alignment HorizontalAlignment(TextAlignment alignment)
{
    switch (alignment) {
    case TextAlignment::Right: return Qt::AlignRight;
    case TextAlignment::Center: return Qt::AlignHCenter;
    case TextAlignment::Left: break;
    }
    return Qt::AlignLeft;
}

void SetColors(QWidget& widget, QPalette::ColorRole backRole, QPalette::ColorRole foreRole, const Control& control)
{
    QPalette palette = widget.palette();
    palette.setColor(backRole, ToQColor(control.BackColor));
    palette.setColor(foreRole, ToQColor(control.ForeColor));
    widget.setPalette(palette);
}

// Check boxes and option buttons fill their place with the control's own
// background, as the window gives it, not with the colour of Qt's buttons.
void FillWithWindowColors(QWidget& button)
{
    button.setBackgroundRole(QPalette::Window);
    button.setForegroundRole(QPalette::WindowText);
    button.setAutoFillBackground(true);
}

}  // namespace

FormView::FormView(Form& form, FormViewHandlers handlers, FormViewOptions options)
    : form_(form),
      handlers_(std::move(handlers)),
      options_(std::move(options)),
      window_(new FormWidget(options_.Owner)),
      scale_(window_->logicalDpiX())
{
    Qt::WindowFlags flags = (options_.Owner != nullptr ? Qt::Dialog : Qt::Window) | Qt::CustomizeWindowHint |
                            Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (options_.MinimizeButton) flags |= Qt::WindowMinimizeButtonHint;
    window_->setWindowFlags(flags);
    window_->setObjectName(QString::fromStdString(form_.Window.FullName()));
    if (!options_.Icon.isNull()) window_->setWindowIcon(options_.Icon);
    window_->OnCloseRequest([this] {
        if (handlers_.CloseRequest) handlers_.CloseRequest();
    });
    // A window in front of another is a dialog: Escape closes it.
    window_->SetClosesOnEscape(options_.Owner != nullptr);
    ModelAccessible::Install();
    if (options_.Scrolls) {
        band_ = new QScrollArea(window_);
        band_->setFrameShape(QFrame::NoFrame);
        band_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        band_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        band_->setFocusPolicy(Qt::NoFocus);
        // The window's background shows through, as it does around the rows.
        band_->viewport()->setAutoFillBackground(false);
        bandContent_ = new QWidget;
        bandContent_->setAutoFillBackground(false);
        band_->setWidget(bandContent_);
        // A cell reached with the keyboard scrolls into view.
        const QPointer<QScrollArea> band = band_;
        QObject::connect(qApp, &QApplication::focusChanged, band_, [band](QWidget* /*old*/, QWidget* now) {
            if (band && now != nullptr && band->widget()->isAncestorOf(now)) band->ensureWidgetVisible(now, 0, 0);
        });
    }
}

FormView::~FormView()
{
    if (!window_) return;
    window_->hide();
    // The view may go while its window delivers an event (its close command).
    window_->OnCloseRequest(nullptr);
    window_->deleteLater();
}

QWidget* FormView::WidgetOf(const std::string& fullName) const
{
    const auto found = bound_.find(fullName);
    return found != bound_.end() ? found->second.Widget : nullptr;
}

void FormView::SetDefaultButton(const std::string& fullName)
{
    defaultButton_ = fullName;
    window_->SetDefaultButton(qobject_cast<QPushButton*>(WidgetOf(fullName)));
}

void FormView::Sync()
{
    ++sync_;
    if (const int dpi = window_->logicalDpiX(); dpi != scale_.Dpi()) {
        // Another screen: every place and size is written anew.
        scale_ = TwipsScale(dpi);
        windowMirror_.Forget();
        for (auto& [name, bound] : bound_) bound.Mirror.Forget();
    }

    const AccessibleNames names(form_);
    fitWidths_ = SharedFitWidths(form_);
    BandPlace band = MeasureBand();
    // The frame that the window manager adds is only known once the window
    // shows: while the rows and the screen stay, the band keeps its fit, so
    // that a refresh that adds no row neither resizes nor moves the window;
    // unless a frame taller than the usual one pushed it off the screen.
    if (band.Top == bandPlace_.Top && band.Bottom == bandPlace_.Bottom && band.Height == bandPlace_.Height &&
        band.ScreenHeight == bandPlace_.ScreenHeight && bandPlace_.Fit.ClientHeight <= AvailableClientHeight()) {
        band.Fit = bandPlace_.Fit;
    }
    const bool placeAgain = band != bandPlace_;
    bandPlace_ = band;
    bool reorder = false;
    form_.ForEachControl([&](Control& control) {
        if (control.Kind == ControlKind::Form) {
            ApplyWindow(control);
            return;
        }
        auto [entry, created] = bound_.try_emplace(control.FullName());
        Bound& bound = entry->second;
        if (created) {
            QWidget* parent = window_;
            if (control.Container != nullptr) {
                if (const auto container = bound_.find(control.Container->FullName()); container != bound_.end()) {
                    parent = container->second.Widget;
                }
            } else if (band_ && options_.Scrolls(control)) {
                parent = bandContent_;
                bound.InBand = true;
            }
            bound.Widget = CreateWidget(control, parent);
            bound.Widget->setObjectName(QString::fromStdString(entry->first));
            bound.Parent = parent;
            const bool showsData = control.Kind == ControlKind::TextBox || control.Kind == ControlKind::Label ||
                                   control.Kind == ControlKind::Line;
            if (handlers_.DoubleClick && showsData) {
                new DoubleClickRelay(bound.Widget, [this, name = entry->first] {
                    if (Control* target = form_.Find(name); target != nullptr) handlers_.DoubleClick(*target);
                });
            }
        }
        bound.SeenIn = sync_;
        if (Apply(bound, control, placeAgain)) reorder = true;
        // The tree's names, mirrored below, win for what the tree holds.
        if (std::string name = names.For(control); name != bound.AccessibleName) {
            bound.Widget->setAccessibleName(QString::fromStdString(name));
            bound.AccessibleName = std::move(name);
        }
        if (control.Kind == ControlKind::Label || control.Kind == ControlKind::Frame ||
            control.Kind == ControlKind::Line || control.Kind == ControlKind::PictureBox) {
            ModelAccessible::Describe(*bound.Widget, AccessibleNames::RoleOf(control), names.ValueOf(control));
        }
        if (options_.ToolTip) {
            if (std::string tip = options_.ToolTip(control); tip != bound.ToolTip) {
                bound.Widget->setToolTip(QString::fromStdString(tip));
                bound.ToolTip = std::move(tip);
            }
        }
    });

    for (auto entry = bound_.begin(); entry != bound_.end();) {
        if (entry->second.SeenIn == sync_) {
            ++entry;
            continue;
        }
        // Deleted later: the widget may be the one whose signal is being delivered.
        QWidget* widget = entry->second.Widget;
        widget->hide();
        widget->setObjectName(QString());
        widget->deleteLater();
        entry = bound_.erase(entry);
    }

    AccessibleTreeMirror::Mirror(*window_, names.Tree(),
                                 [this](const Control& control) { return WidgetOf(control.FullName()); });
    FitCells();
    PlaceBand();
    if (reorder) {
        Restack();
        ReorderFocusChain();
    }
    if (!defaultButton_.empty() && window_->DefaultButton() == nullptr) SetDefaultButton(defaultButton_);
    KeepOnScreen();
    MirrorFocus();
}

void FormView::Show()
{
    Sync();
    Place();
    shown_ = true;
    window_->setVisible(form_.Window.Visible);
    MirrorFocus();
}

void FormView::Place()
{
    QRect area;
    if (options_.Owner != nullptr) {
        area = options_.Owner->frameGeometry();
    } else if (const QScreen* screen =
                   window_->screen() != nullptr ? window_->screen() : QGuiApplication::primaryScreen()) {
        area = screen->availableGeometry();
    }
    if (area.isEmpty()) return;
    QPoint corner = area.center() - QPoint(window_->width() / 2, window_->height() / 2);
    corner.setY(std::max(corner.y(), area.top()));
    window_->move(corner);
}

QRect FormView::PlaceOf(const Bound& bound, const Control& control) const
{
    // A line's widget reaches one pixel past the line to the right and below:
    // on a screen scaled by a fraction, the screen pixels of a line as thick
    // as every other line may reach into it.
    QRect place =
        control.Kind == ControlKind::Line ? scale_.LineRect(control).adjusted(0, 0, 1, 1) : scale_.Rect(control);
    if (bound.InBand) {
        place.translate(0, -bandPlace_.Top);
    } else if (band_ && control.Container == nullptr && place.top() >= bandPlace_.Bottom) {
        place.translate(0, -bandPlace_.Fit.Shift);
    }
    return place;
}

int FormView::AvailableClientHeight() const
{
    const QScreen* screen = window_->screen() != nullptr ? window_->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) return 0;
    // The frame the window is given, once shown, but never less than the
    // usual one: a window shown without one (no window manager) fits the
    // screen as a window started anew does.
    int frame = scale_.Pixels(Form::FrameExtraHeight);
    if (window_->isVisible()) frame = std::max(frame, window_->frameGeometry().height() - window_->height());
    return screen->availableGeometry().height() - frame;
}

FormView::BandPlace FormView::MeasureBand() const
{
    if (!band_) return {};
    const BandExtent band = ExtentOfBand(form_, options_.Scrolls, scale_.Dpi());
    const int clientHeight = scale_.Pixels(form_.ClientAreaHeight());
    const QScreen* screen = window_->screen() != nullptr ? window_->screen() : QGuiApplication::primaryScreen();
    return {band.Top,
            band.Bottom,
            clientHeight,
            screen != nullptr ? screen->availableGeometry().height() : 0,
            FitBandToScreen(clientHeight, AvailableClientHeight(), band.Top, band.Bottom,
                            scale_.Pixels(MinimumBandTwips))};
}

void FormView::PlaceBand()
{
    if (!band_) return;
    const int width = scale_.Pixels(form_.ClientAreaWidth());
    const QRect place(0, bandPlace_.Top, width, bandPlace_.Fit.BandHeight);
    if (band_->geometry() != place) band_->setGeometry(place);
    const QSize content(width, bandPlace_.Bottom - bandPlace_.Top);
    if (bandContent_->size() != content) bandContent_->resize(content);
}

void FormView::KeepOnScreen()
{
    if (!shown_ || !window_->isVisible() || options_.Owner != nullptr) return;
    const QScreen* screen = window_->screen();
    if (screen == nullptr) return;
    const QRect area = screen->availableGeometry();
    const QRect frame = window_->frameGeometry();
    int top = frame.top();
    if (frame.bottom() > area.bottom()) top -= frame.bottom() - area.bottom();
    top = std::max(top, area.top());
    if (top != frame.top()) window_->move(frame.left(), top);
}

void FormView::FitCells()
{
    std::map<std::string, std::vector<std::pair<const Control*, QLineEdit*>>> columns;
    form_.ForEachControl([&](const Control& control) {
        const CellOverflow overflow = OverflowOf(control);
        if (overflow == CellOverflow::Scroll) return;
        auto* edit = qobject_cast<QLineEdit*>(WidgetOf(control.FullName()));
        if (edit == nullptr) return;
        if (overflow == CellOverflow::ShrinkColumn) {
            columns[control.Name].emplace_back(&control, edit);
            return;
        }
        const QFont font = FontFor(control);
        const QFontMetricsF metrics(font);
        const int available = TextWidthOf(*edit);
        const QString whole = InFace(TextToShowOf(control), font);
        const QString elided = QString::fromStdString(ElideToFit(whole.toStdString(), [&](const std::string& text) {
            return metrics.horizontalAdvance(QString::fromStdString(text)) <= available;
        }));
        ShowInCell(*edit, font, elided);
        CellCopy::Of(*edit).SetWhole(whole);
    });
    for (const auto& [name, cells] : columns) FitColumn(cells);
}

void FormView::FitColumn(const std::vector<std::pair<const Control*, QLineEdit*>>& cells)
{
    int available = TextWidthOf(*cells.front().second);
    std::vector<ColumnCellTexts> texts;
    std::vector<std::string> exact;
    texts.reserve(cells.size());
    for (const auto& [control, edit] : cells) {
        available = std::min(available, TextWidthOf(*edit));
        ColumnCellTexts cell{control->FontSize, {TextToShowOf(*control)}};
        std::optional<SizeForms> forms = options_.ShorterForms ? options_.ShorterForms(*control) : std::nullopt;
        if (forms) cell.Texts.insert(cell.Texts.end(), forms->Shorter.begin(), forms->Shorter.end());
        texts.push_back(std::move(cell));
        exact.push_back(forms ? std::move(forms->Exact) : std::string());
    }
    const ColumnFit fit =
        brelvon::FitColumn(texts, available, [&cells](std::size_t i, const std::string& text, double pointSize) {
            const QFont font = FontAtSize(*cells[i].first, pointSize);
            return QFontMetricsF(font).horizontalAdvance(InFace(text, font));
        });
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const auto& [control, edit] = cells[i];
        const QFont font = FontAtSize(*control, std::min(fit.PointSize, control->FontSize));
        ShowInCell(*edit, font, InFace(texts[i].Texts[fit.Chosen[i]], font));
        CellCopy::Of(*edit).SetWhole(InFace(texts[i].Texts.front(), font));
        // A number shown in a larger unit tells its exact figure in its tool tip.
        const auto found = bound_.find(control->FullName());
        std::string tip = found != bound_.end() ? found->second.ToolTip : std::string();
        if (fit.Chosen[i] != 0) tip += (tip.empty() ? "" : "\n") + exact[i];
        if (const QString wanted = QString::fromStdString(tip); edit->toolTip() != wanted) edit->setToolTip(wanted);
    }
}

void FormView::ApplyWindow(const Control& window)
{
    const ControlChanges changes = windowMirror_.Take(window);
    if (changes.Text) window_->setWindowTitle(QString::fromStdString(window.Text));
    const int height = band_ ? bandPlace_.Fit.ClientHeight : scale_.Pixels(form_.ClientAreaHeight());
    const QSize size(scale_.Pixels(form_.ClientAreaWidth()), height);
    if (changes.Place || window_->minimumSize() != size || window_->maximumSize() != size) window_->setFixedSize(size);
    if (changes.Colors) {
        QPalette palette = window_->palette();
        palette.setColor(QPalette::Window, ToQColor(window.BackColor));
        window_->setPalette(palette);
    }
    if (shown_ && changes.Visible) window_->setVisible(window.Visible);
}

QWidget* FormView::CreateWidget(const Control& control, QWidget* parent)
{
    // Actions find their control by name when they happen: array elements
    // come and go between refreshes while their widgets stay.
    const std::string name = control.FullName();
    const auto click = [this, name] {
        if (Control* target = form_.Find(name); target != nullptr && handlers_.Click) handlers_.Click(*target);
    };

    switch (control.Kind) {
    case ControlKind::Label: {
        auto* label = new ModelLabel(parent);
        QObject::connect(label, &ModelLabel::Clicked, label, click);
        return label;
    }
    case ControlKind::TextBox: {
        auto* edit = new ModelTextBox(parent);
        QObject::connect(edit, &QLineEdit::textEdited, edit, [this, name](const QString& text) {
            if (Control* target = form_.Find(name); target != nullptr && handlers_.Type) {
                handlers_.Type(*target, text.toStdString());
            }
        });
        return edit;
    }
    case ControlKind::CommandButton: {
        auto* button = new WholeButton<QPushButton>(parent);
        // Enter on a focused button clicks it, as Space does.
        button->setAutoDefault(true);
        QObject::connect(button, &QPushButton::clicked, button, click);
        return button;
    }
    case ControlKind::CheckBox: {
        auto* box = new WholeButton<QCheckBox>(parent);
        FillWithWindowColors(*box);
        QObject::connect(box, &QCheckBox::clicked, box, click);
        return box;
    }
    case ControlKind::OptionButton: {
        auto* option = new WholeButton<QRadioButton>(parent);
        // The model selects and deselects; Qt's own grouping would fight it.
        option->setAutoExclusive(false);
        FillWithWindowColors(*option);
        QObject::connect(option, &QRadioButton::clicked, option, click);
        return option;
    }
    case ControlKind::Frame: {
        return new ModelFrame(parent);
    }
    case ControlKind::Line: return new ModelLine(parent);
    case ControlKind::PictureBox: return new ModelPicture(options_.Icon, parent);
    case ControlKind::Form: break;
    }
    return new QWidget(parent);
}

bool FormView::Apply(Bound& bound, const Control& control, bool placeAgain)
{
    const ControlChanges changes = bound.Mirror.Take(control);
    QWidget& widget = *bound.Widget;
    const bool reorder = changes.Order;

    if (control.Kind == ControlKind::Line) {
        auto& line = static_cast<ModelLine&>(widget);
        if (changes.Place || placeAgain) {
            const QRect box = scale_.LineRect(control);
            line.setGeometry(PlaceOf(bound, control));
            line.SetEnds(QPoint(scale_.Pixels(control.X1), scale_.Pixels(control.Y1)) - box.topLeft(),
                         QPoint(scale_.Pixels(control.X2), scale_.Pixels(control.Y2)) - box.topLeft());
        }
        if (changes.Colors) line.SetColor(ToQColor(control.BorderColor));
    } else if (changes.Place || placeAgain) {
        widget.setGeometry(PlaceOf(bound, control));
    }
    if (changes.Enabled) widget.setEnabled(control.Enabled);
    if (changes.Order) {
        widget.setFocusPolicy(control.TakesFocus() ? Qt::StrongFocus : Qt::NoFocus);
    }
    const bool fontChanged = changes.Font;
    if (fontChanged && control.Kind != ControlKind::Line) widget.setFont(FontFor(control));
    const bool textChanged = changes.Text;
    const bool colorsChanged = changes.Colors;

    switch (control.Kind) {
    case ControlKind::Label: {
        auto& label = static_cast<ModelLabel&>(widget);
        if (textChanged) label.SetText(DisplayText(control));
        if (const auto shared = fitWidths_.find(&control); shared != fitWidths_.end()) {
            label.SetFitWidth(scale_.Pixels(shared->second));
        } else {
            label.SetFitWidth(0);
        }
        label.SetAlignment(HorizontalAlignment(control.Alignment));
        if (colorsChanged) label.SetColors(ToQColor(control.BackColor), ToQColor(control.ForeColor));
        label.SetOpaque(control.Opaque);
        label.SetBordered(control.Bordered);
        break;
    }
    case ControlKind::TextBox: {
        auto& edit = static_cast<QLineEdit&>(widget);
        if (changes.Typing) {
            edit.setMaxLength(control.MaxLength > 0 ? control.MaxLength : UnlimitedLength);
        }
        if (changes.Typing) edit.setReadOnly(control.Locked);
        // Compared with the widget itself: the user may have typed into it.
        // Writing only a different text keeps the cursor where the user left it.
        // A locked box shows what FitCells makes of its text.
        if (const QString text = DisplayText(control); !control.Locked && edit.text() != text) edit.setText(text);
        if (changes.Look) {
            edit.setAlignment(HorizontalAlignment(control.Alignment) | Qt::AlignVCenter);
        }
        if (colorsChanged) SetColors(edit, QPalette::Base, QPalette::Text, control);
        break;
    }
    case ControlKind::CommandButton: {
        auto& button = static_cast<QPushButton&>(widget);
        if (textChanged) button.setText(DisplayText(control));
        if (colorsChanged) SetColors(button, QPalette::Button, QPalette::ButtonText, control);
        break;
    }
    case ControlKind::CheckBox: {
        auto& box = static_cast<QCheckBox&>(widget);
        if (textChanged) box.setText(DisplayText(control));
        if (colorsChanged) SetColors(box, QPalette::Window, QPalette::WindowText, control);
        // Compared with the widget itself: Qt toggles it on a click before the model decides.
        const Qt::CheckState state = control.Value == 1   ? Qt::Checked
                                     : control.Value == 2 ? Qt::PartiallyChecked
                                                          : Qt::Unchecked;
        if (box.checkState() != state) box.setCheckState(state);
        break;
    }
    case ControlKind::OptionButton: {
        auto& option = static_cast<QRadioButton&>(widget);
        if (textChanged) option.setText(DisplayText(control));
        if (colorsChanged) SetColors(option, QPalette::Window, QPalette::WindowText, control);
        if (option.isChecked() != (control.Value != 0)) option.setChecked(control.Value != 0);
        break;
    }
    case ControlKind::Frame: {
        auto& frame = static_cast<ModelFrame&>(widget);
        if (textChanged) frame.SetTitle(DisplayText(control));
        if (colorsChanged) frame.SetColors(ToQColor(control.BackColor), ToQColor(control.ForeColor));
        break;
    }
    case ControlKind::Line:
    case ControlKind::PictureBox:
    case ControlKind::Form: break;
    }

    // Last, so that a control appears at its new place with its new look.
    if (changes.Visible) widget.setVisible(control.Visible);
    return reorder;
}

void FormView::Restack()
{
    // Raising each widget puts it on top of its siblings, so raising from the
    // lowest to the topmost leaves the model's order (Stacking 0 on top).
    // Captions and lines have no window of their own: they lie beneath every
    // control that has one, whatever their order, and a click on such a
    // control reaches it wherever a caption overlaps it.
    std::vector<const Bound*> order;
    order.reserve(bound_.size());
    for (const auto& [name, bound] : bound_) order.push_back(&bound);
    std::sort(order.begin(), order.end(),
              [](const Bound* a, const Bound* b) { return LiesBeneath(a->Shown(), b->Shown()); });
    // The band holds the rows' controls, windowed or not: it lies above the
    // window's own captions and beneath its windowed controls.
    bool bandRaised = false;
    for (const Bound* bound : order) {
        if (band_ && !bandRaised && !IsWindowless(bound->Shown())) {
            band_->raise();
            bandRaised = true;
        }
        bound->Widget->raise();
    }
    if (band_ && !bandRaised) band_->raise();
}

void FormView::ReorderFocusChain()
{
    std::vector<const Bound*> order;
    for (const auto& [name, bound] : bound_) {
        if (bound.Shown().TakesFocus()) order.push_back(&bound);
    }
    std::sort(order.begin(), order.end(), [](const Bound* a, const Bound* b) {
        if (a->Shown().TabIndex != b->Shown().TabIndex) return a->Shown().TabIndex < b->Shown().TabIndex;
        return a->Shown().Index < b->Shown().Index;
    });
    for (std::size_t i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1]->Widget, order[i]->Widget);
}

void FormView::MirrorFocus()
{
    const Control* focus = form_.Focus();
    if (focus == nullptr) return;
    QWidget* widget = WidgetOf(focus->FullName());
    if (widget != nullptr && window_->focusWidget() != widget) widget->setFocus(Qt::OtherFocusReason);
}

void FormView::BringToFront()
{
    window_->raise();
    window_->activateWindow();
}

std::string FormView::FocusedName() const
{
    const QWidget* focused = QApplication::focusWidget();
    if (focused == nullptr || focused->window() != window_) return {};
    return focused->objectName().toStdString();
}

}  // namespace brelvon
