// SPDX-FileCopyrightText: 2026 The Cijferwerf developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form1.h"

#include "contrast.h"
#include "placement.h"
#include "text_fit.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTimer>

#include <algorithm>
#include <vector>

using exercise::Box;

namespace {

using shell::Alignment;
using shell::Edge;
using shell::Group;
using shell::Input;
using shell::Kind;

// The desktop's colour roles, as this toolkit's palette names them.
QPalette::ColorRole paletteRole(shell::ColourRole role) {
    switch (role) {
    case shell::ColourRole::WindowBackground:
        return QPalette::Base;
    case shell::ColourRole::WindowText:
        return QPalette::Text;
    case shell::ColourRole::ButtonFace:
        return QPalette::Button;
    case shell::ColourRole::ButtonText:
        return QPalette::ButtonText;
    case shell::ColourRole::MenuText:
        return QPalette::WindowText;
    case shell::ColourRole::ActiveTitleBar:
        return QPalette::Highlight;
    case shell::ColourRole::DisabledText:
        return QPalette::Text;
    case shell::ColourRole::Highlight:
        return QPalette::Highlight;
    case shell::ColourRole::ControlEdge:
        return QPalette::Dark;
    }
    return QPalette::NoRole;
}

QColor resolve(const shell::Colour& colour, const QPalette& palette) {
    const auto group =
        colour.role == shell::ColourRole::DisabledText ? QPalette::Disabled : QPalette::Active;
    return colour.fixed ? QColor(static_cast<QRgb>(*colour.fixed))
                        : palette.color(group, paletteRole(colour.role));
}

Qt::Alignment alignmentOf(const Group& group) {
    if (group.kind == Kind::Label) return Qt::AlignHCenter | Qt::AlignTop;
    return group.alignment == Alignment::Centre ? Qt::AlignCenter
                                                : Qt::AlignLeft | Qt::AlignVCenter;
}

QString fromUtf16(std::u16string_view text) {
    return QString(reinterpret_cast<const QChar*>(text.data()),
                   static_cast<qsizetype>(text.size()));
}

shell::Rgb rgbOf(const QColor& colour) { return colour.rgb() & 0xFFFFFF; }
QColor colourOf(shell::Rgb rgb) { return QColor(static_cast<QRgb>(rgb)); }

// The font in which lines of text fit their room, by the window's one fit
// rule, measured with the font as the widget draws it.
QFont fittedFont(const QFont& own, const QStringList& lines, double room, const QWidget* widget) {
    QFont font = own;
    font.setPointSizeF(shell::fittingPointSize(own.pointSizeF(), room, [&](double points) {
        QFont sized = own;
        sized.setPointSizeF(points);
        const QFontMetricsF metrics(sized, widget);
        double widest = 0;
        for (const QString& line : lines)
            widest = std::max(widest, metrics.horizontalAdvance(line));
        return widest;
    }));
    return font;
}

// The frame that marks the focus, in the palette's highlight colour made to
// stand out from what the control is filled with and from the window.
void paintFocusFrame(QWidget* widget, QPalette::ColorRole fill, int inset) {
    QPainter painter(widget);
    const shell::Rgb frame =
        shell::focusFrame(rgbOf(widget->palette().color(paletteRole(shell::ColourRole::Highlight))),
                          rgbOf(widget->palette().color(fill)));
    painter.setPen(QPen(colourOf(frame), 2));
    painter.drawRect(QRectF(widget->rect()).adjusted(inset + 1, inset + 1, -inset - 1, -inset - 1));
}

// The edge of a box or a button, in the palette's edge colour made to stand
// out from the window, over the one the style draws.
void paintEdge(QWidget* widget) {
    QPainter painter(widget);
    const shell::Rgb edge = shell::edgeColour(
        rgbOf(widget->palette().color(paletteRole(shell::ColourRole::ControlEdge))));
    painter.setPen(QPen(colourOf(edge), 1));
    painter.drawRect(QRectF(widget->rect()).adjusted(0.5, 0.5, -0.5, -0.5));
}

// A text box. Its whole text shows, in a smaller size of its font where the
// text is too wide for the box at its own, and it returns to its own size
// as the text gets shorter. While it has the focus it draws a frame, so that
// the focus shows also on an empty box and in any colour scheme.
class TextBox final : public QLineEdit {
public:
    TextBox(const QFont& own, QWidget* parent) : QLineEdit(parent), own_(own) {
        setFont(own);
        connect(this, &QLineEdit::textChanged, this, &TextBox::fit);
    }

protected:
    void resizeEvent(QResizeEvent* event) override {
        QLineEdit::resizeEvent(event);
        fit();
    }
    void paintEvent(QPaintEvent* event) override {
        QLineEdit::paintEvent(event);
        if (hasFrame()) paintEdge(this);
        if (hasFocus()) paintFocusFrame(this, QPalette::Base, 0);
    }

private:
    // The room that the line edit leaves its text inside the frame and the
    // text margins.
    [[nodiscard]] double room() const {
        QStyleOptionFrame option;
        initStyleOption(&option);
        const QRect contents = style()
                                   ->subElementRect(QStyle::SE_LineEditContents, &option, this)
                                   .marginsRemoved(textMargins());
        return shell::roomFor(Kind::TextBox, contents.width());
    }

    void fit() {
        const QFont font = fittedFont(own_, {text()}, room(), this);
        if (font != this->font()) setFont(font);
    }

    QFont own_;
};

// A button that draws a frame inside its edge while it has the focus.
class Button final : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent* event) override {
        QPushButton::paintEvent(event);
        paintEdge(this);
        if (hasFocus()) paintFocusFrame(this, QPalette::Button, 1);
    }
};

// The colours of one control, from the application's palette as it is now.
void applyColours(QWidget* widget, const Group& group, const QPalette& system) {
    QPalette palette = system;
    const QColor background = resolve(group.background, system);
    auto readable = [&](const QColor& text) {
        return colourOf(shell::readableText(group, rgbOf(text), rgbOf(background)));
    };
    const QColor foreground = readable(resolve(group.foreground, system));
    switch (group.kind) {
    case Kind::Label:
        palette.setColor(QPalette::Window, background);
        palette.setColor(QPalette::WindowText, foreground);
        break;
    case Kind::Button:
        palette.setColor(QPalette::Button, background);
        palette.setColor(QPalette::ButtonText, foreground);
        break;
    case Kind::TextBox:
        palette.setColor(QPalette::Base, background);
        palette.setColor(QPalette::Window, background);
        palette.setColor(QPalette::Text, foreground);
        // The toolkit itself writes a disabled box's text in the palette's
        // disabled text colour, as the description's text colour rule asks.
        palette.setColor(
            QPalette::Disabled, QPalette::Text,
            readable(resolve(shell::roleColour(shell::ColourRole::DisabledText), system)));
        break;
    }
    widget->setPalette(palette);
}

// A place in the window, one pixel in size and painting nothing, that a
// screen reader hears as a notification each time it is shown with a new
// name: Orca speaks a notification as it appears, without the focus moving
// and without cutting off what it is saying.
class Announcer final : public QWidget {
public:
    explicit Announcer(QWidget* parent) : QWidget(parent) {
        setObjectName(QStringLiteral("Announcer"));
        setGeometry(0, 0, 1, 1);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
        hide();
    }
};

QAccessibleInterface* notificationOf(const QString& /*className*/, QObject* object) {
    if (auto* announcer = dynamic_cast<Announcer*>(object))
        return new QAccessibleWidget(announcer, QAccessible::Notification);
    return nullptr;
}

// The message box's icon: the stop icon is the only one the program uses.
QMessageBox::Icon iconOfStyle(int style) {
    return exercise::showsStopIcon(style) ? QMessageBox::Critical : QMessageBox::NoIcon;
}

// The character code of a key stroke that produces a character, or 0. The
// Return and Enter keys give 13 as their text.
char16_t keyAscii(const QKeyEvent& event) {
    if (event.key() == Qt::Key_Backspace) return 8;
    return event.text().isEmpty() ? char16_t{0} : event.text().front().unicode();
}

} // namespace

namespace {

QWidget* createControl(const shell::Control& control, QWidget* parent) {
    const Group& group = *control.group;
    QFont font(fromUtf16(shell::kFontFace));
    font.setPointSizeF(group.points);
    font.setBold(group.bold);
    const QString caption = fromUtf16(control.caption);
    QWidget* widget = nullptr;
    switch (group.kind) {
    case Kind::Label: {
        auto* label = new QLabel(caption, parent);
        label->setAlignment(alignmentOf(group));
        label->setAutoFillBackground(true);
        widget = label;
        break;
    }
    case Kind::Button: {
        auto* button = new Button(caption, parent);
        // Enter presses a button that has the focus, as Space does; no
        // button is the window's default.
        button->setAutoDefault(true);
        widget = button;
        break;
    }
    case Kind::TextBox: {
        auto* edit = new TextBox(font, parent);
        if (const std::size_t limit = exercise::maximumLength(*control.box); limit > 0)
            edit->setMaxLength(static_cast<int>(limit));
        edit->setText(fromUtf16(exercise::initialText(*control.box)));
        edit->setAlignment(alignmentOf(group));
        edit->setFrame(group.edge == Edge::Sunken);
        edit->setReadOnly(group.input == Input::ReadOnly);
        edit->setEnabled(group.input != Input::Disabled);
        edit->setFocusPolicy(shell::takesFocus(group) ? Qt::StrongFocus : Qt::NoFocus);
        widget = edit;
        break;
    }
    }
    widget->setObjectName(
        QLatin1String(control.name.data(), static_cast<qsizetype>(control.name.size())));
    widget->setGeometry(shell::pixels(control.left), shell::pixels(control.top),
                        shell::pixels(control.width), shell::pixels(control.height));
    // A caption shows all of its words, each line on the one line it has.
    if (group.kind != Kind::TextBox) {
        const double room = shell::roomFor(group.kind, widget->width());
        font = fittedFont(font, caption.split(u'\n'), room, widget);
        widget->setFont(font);
    }
    widget->setAccessibleName(fromUtf16(control.spokenName()));
    return widget;
}

} // namespace

Form1::Form1(const exercise::RegionalSettings& settings, QWidget* parent)
    : QWidget(parent), Form1Events(settings) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(fromUtf16(shell::kWindowTitle));
    setWindowIcon(QIcon(QStringLiteral(":/cijferwerf.ico")));
    QFont font(fromUtf16(shell::kFontFace));
    font.setPointSizeF(shell::kWindowPoints);
    setFont(font);
    setAutoFillBackground(true);
    // The client area's top-left corner at its fixed place on the screen,
    // unless the window would not fit there.
    shell::Rect place{shell::pixels(shell::kScreenLeft), shell::pixels(shell::kScreenTop),
                      shell::pixels(shell::kClientWidth), shell::pixels(shell::kClientHeight)};
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect available = screen->availableGeometry();
        place = shell::keptOnScreen(
            place, {available.x(), available.y(), available.width(), available.height()});
    }
    setGeometry(place.left, place.top, place.width, place.height);

    // The controls are made in tab order, so that the toolkit's own Tab
    // chain follows it; labels and the disabled result boxes take no focus
    // and are passed over.
    for (const shell::Control* control : shell::tabOrder()) {
        QWidget* widget = createControl(*control, this);
        if (control->box)
            boxes_[static_cast<std::size_t>(*control->box) - 1] = static_cast<QLineEdit*>(widget);
        if (control->click != shell::Click::None)
            connect(static_cast<QPushButton*>(widget), &QPushButton::clicked, this,
                    [this, which = control->click] { click(which); });
        built_.emplace_back(widget, control);
    }
    for (const auto& [widget, control] : built_)
        if (control == &shell::startFocus()) widget->setFocus();

    applyColours();

    static const bool notificationsKnown = [] {
        QAccessible::installFactory(notificationOf);
        return true;
    }();
    (void)notificationsKnown;
    announcer_ = new Announcer(this);
    // A text is handed over once the command's changes are in the window,
    // and a newer text replaces one not yet handed over.
    announcement_ = new QTimer(this);
    announcement_->setSingleShot(true);
    announcement_->setInterval(0);
    connect(announcement_, &QTimer::timeout, this, [this] {
        announcer_->hide();
        announcer_->setAccessibleName(pending_);
        announcer_->show();
    });

    for (const auto& [widget, control] : built_)
        if (control->keys == shell::Keys::Operand) widget->installEventFilter(this);
}

// ---------------------------------------------------------------------------
// Window operations

QLineEdit* Form1::box(Box box) const { return boxes_[static_cast<std::size_t>(box) - 1]; }

std::u16string Form1::text(Box which) const {
    const QString text = box(which)->text();
    return {reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size())};
}

// The box itself cuts the text to its maximum length. The caret goes to the
// start, so a text wider than its box shows its beginning, where the
// significant digits are.
void Form1::setText(Box which, std::u16string_view text) {
    QLineEdit* edit = box(which);
    edit->setText(fromUtf16(text));
    edit->setCursorPosition(0);
}

void Form1::setAnswerVisible(Box which, bool visible) {
    if (exercise::isAnswerBox(which)) box(which)->setVisible(visible);
}

void Form1::showMessage(std::u16string_view prompt, std::u16string_view title, int style) {
    QMessageBox message(iconOfStyle(style), fromUtf16(title), fromUtf16(prompt), QMessageBox::Ok,
                        this);
    message.exec();
}

void Form1::announce(std::u16string_view summary) {
    pending_ = fromUtf16(summary);
    announcement_->start();
}

// ---------------------------------------------------------------------------
// Events

// The desktop's colours changed, also live by a platform theme. The window
// has palettes of its own, so it hears of a new desktop palette by
// ApplicationPaletteChange only, which the toolkit posts to every widget
// once the palette, and whatever style the theme brings with it, are in
// place. PaletteChange tells of the window's own palettes.
bool Form1::event(QEvent* event) {
    if (event->type() == QEvent::ApplicationPaletteChange) applyColours();
    return QWidget::event(event);
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    // Every key stroke that produces a character in an operand box is handed
    // to its handler before the box takes it; the key then goes on unchanged.
    if (event->type() == QEvent::KeyPress) {
        if (const char16_t code = keyAscii(*static_cast<QKeyEvent*>(event)); code != 0) {
            for (const auto& [widget, control] : built_)
                if (widget == watched) keyPress(*control->box, code);
        }
    }
    return QWidget::eventFilter(watched, event);
}

// ---------------------------------------------------------------------------
// Colours

void Form1::applyColours() {
    const QPalette system = QApplication::palette();
    QPalette palette = system;
    palette.setColor(QPalette::Window, QColor(static_cast<QRgb>(shell::kLightGreen)));
    setPalette(palette);
    for (const auto& [widget, control] : built_)
        ::applyColours(widget, *control->group, system);
}
