// SPDX-FileCopyrightText: 2026 The Cijferwerf developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form1.h"

#include "contrast.h"
#include "exercise/arithmetic.h"
#include "placement.h"
#include "result_fit.h"

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

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

using exercise::Box;

namespace {

// ---------------------------------------------------------------------------
// The window description

// Positions and sizes are in twips, 15 to a pixel at 96 dots per inch.
constexpr int pixels(int twips) { return static_cast<int>(std::lround(twips / 15.0)); }

constexpr int kClientWidth = 6735;
constexpr int kClientHeight = 4290;
constexpr int kScreenLeft = 3060;
constexpr int kScreenTop = 3735;

constexpr QRgb kLightGreen = 0x80FF80;
constexpr QRgb kBrightGreen = 0x00FF00;
constexpr QRgb kRed = 0xFF0000;

// The least contrast of a text on its background (level AA of the web's
// accessibility guidelines), of large bold text, and of the focus frame.
constexpr double kText = 4.5;
constexpr double kLargeText = 3.0;
constexpr double kFrame = 3.0;

// A colour is fixed, or the colour that the desktop's palette gives a role.
struct Colour {
    std::optional<QRgb> fixed;
    QPalette::ColorRole role = QPalette::NoRole;

    [[nodiscard]] QColor resolve(const QPalette& palette) const {
        return fixed ? QColor(*fixed) : palette.color(QPalette::Active, role);
    }
};

constexpr Colour fixedColour(QRgb rgb) { return {rgb, QPalette::NoRole}; }
constexpr Colour systemColour(QPalette::ColorRole role) { return {std::nullopt, role}; }

// The desktop's colour roles, as this toolkit names them.
constexpr Colour kWindowBackground = systemColour(QPalette::Base);
constexpr Colour kWindowText = systemColour(QPalette::Text);
constexpr Colour kButtonFace = systemColour(QPalette::Button);
constexpr Colour kButtonText = systemColour(QPalette::ButtonText);
constexpr Colour kMenuText = systemColour(QPalette::WindowText);
constexpr Colour kActiveTitleBar = systemColour(QPalette::Highlight);

enum class Kind { Label, Button, TextBox };
enum class Edge { Sunken, Flat };
enum class Input { Typing, ReadOnly, Disabled };

// The looks and behaviour that the controls of one group share.
struct Group {
    Kind kind;
    double pointSize;
    bool bold;
    Colour background;
    Colour foreground;
    // A text colour from the palette is moved to reach it on the background.
    double leastContrast;
    Qt::Alignment alignment;
    Edge edge = Edge::Sunken;
    Input input = Input::Typing;
};

// clang-format off
//                             kind           points bold  background                 foreground         contrast    alignment                         edge          input
constexpr Group kOperandBox   {Kind::TextBox, 8.25,  false, kWindowBackground,         kWindowText,       kText,      Qt::AlignCenter};
constexpr Group kAnswerBox    {Kind::TextBox, 9.75,  true,  kWindowBackground,         kWindowText,       kText,      Qt::AlignCenter};
// Always disabled, so the text shows in the palette's disabled text colour,
// darkened where it would not stand out from the bright green.
constexpr Group kResultBox    {Kind::TextBox, 12,    true,  fixedColour(kBrightGreen), kMenuText,         kText,      Qt::AlignCenter,                  Edge::Sunken, Input::Disabled};
constexpr Group kEquationBox  {Kind::TextBox, 8.25,  false, fixedColour(kLightGreen),  kWindowText,       kText,      Qt::AlignLeft | Qt::AlignVCenter, Edge::Flat,   Input::ReadOnly};
constexpr Group kNoticeBox    {Kind::TextBox, 8.25,  false, fixedColour(kLightGreen),  fixedColour(kRed), kText,      Qt::AlignLeft | Qt::AlignVCenter, Edge::Flat,   Input::ReadOnly};
constexpr Group kHeading      {Kind::Label,   12,    true,  fixedColour(kLightGreen),  kActiveTitleBar,   kLargeText, Qt::AlignHCenter | Qt::AlignTop};
constexpr Group kOperandCaption{Kind::Label,  9.75,  false, fixedColour(kLightGreen),  kButtonText,       kText,      Qt::AlignHCenter | Qt::AlignTop};
constexpr Group kInstruction  {Kind::Label,   8.25,  false, fixedColour(kLightGreen),  kButtonText,       kText,      Qt::AlignHCenter | Qt::AlignTop};
constexpr Group kButton       {Kind::Button,  9.75,  true,  kButtonFace,               kButtonText,       kText,      Qt::AlignCenter};
// clang-format on

QString fromUtf16(std::u16string_view text) {
    return QString(reinterpret_cast<const QChar*>(text.data()),
                   static_cast<qsizetype>(text.size()));
}

QString fromUtf16(const char16_t* text) { return text ? QString::fromUtf16(text) : QString(); }

double contrast(const QColor& a, const QColor& b) {
    return shell::contrastRatio(a.rgb() & 0xFFFFFF, b.rgb() & 0xFFFFFF);
}

// The text colour itself when it stands out enough from its background;
// otherwise the same hue with its lightness moved, darker or lighter, just
// as far as the least contrast needs; black or white when neither way
// reaches it. Measured on the colour as it is painted, eight bits a channel.
QColor readableOn(const QColor& text, const QColor& background, double least) {
    if (contrast(text, background) >= least) return text;
    float hue = 0, saturation = 0, lightness = 0;
    text.getHslF(&hue, &saturation, &lightness);
    auto withLightness = [&](float value) {
        return QColor(QColor::fromHslF(std::max(hue, 0.0f), saturation, value).rgb());
    };
    std::optional<float> nearest;
    for (const float end : {0.0f, 1.0f}) {
        if (contrast(withLightness(end), background) < least) continue;
        // Along the way the contrast falls, if at all, before it rises, so it
        // reaches the least contrast once.
        float failing = lightness, reaching = end;
        for (int step = 0; step < 20; ++step) {
            const float middle = (failing + reaching) / 2;
            (contrast(withLightness(middle), background) >= least ? reaching : failing) = middle;
        }
        if (!nearest || std::abs(reaching - lightness) < std::abs(*nearest - lightness))
            nearest = reaching;
    }
    if (nearest) return withLightness(*nearest);
    const QColor black(Qt::black), white(Qt::white);
    return contrast(black, background) >= contrast(white, background) ? black : white;
}

// A flat box, without a sunken edge, that draws a frame in the palette's
// highlight colour while it has the focus, so that the focus shows even on
// an empty box.
class FlatBox final : public QLineEdit {
public:
    using QLineEdit::QLineEdit;

protected:
    void paintEvent(QPaintEvent* event) override {
        QLineEdit::paintEvent(event);
        if (!hasFocus()) return;
        QPainter painter(this);
        const QColor frame = readableOn(palette().color(QPalette::Highlight),
                                        palette().color(QPalette::Base), kFrame);
        painter.setPen(QPen(frame, 2));
        painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    }
};

// A result box: always disabled, and drawing its whole text, in a smaller
// size of its font where the text is too wide for the box at its own.
class ResultBox final : public QLineEdit {
public:
    explicit ResultBox(QWidget* parent) : QLineEdit(parent) {
        connect(this, &QLineEdit::textChanged, this, &ResultBox::fit);
    }

    void setOwnFont(const QFont& font) {
        own_ = font;
        fit();
    }

private:
    // The room that the line edit leaves its text: inside the frame and the
    // text margins, less its own margin of two pixels on each side, and one
    // more on each side so that no ink touches the edge.
    [[nodiscard]] int room() const {
        QStyleOptionFrame option;
        initStyleOption(&option);
        const QRect contents = style()
                                   ->subElementRect(QStyle::SE_LineEditContents, &option, this)
                                   .marginsRemoved(textMargins());
        return contents.width() - 2 * (2 + 1);
    }

    void fit() {
        const QString shown = text();
        const int available = room();
        QFont font = own_;
        font.setPointSizeF(
            shell::fittingPointSize(own_.pointSizeF(), available, [&](double points) {
                QFont sized = own_;
                sized.setPointSizeF(points);
                return QFontMetricsF(sized).horizontalAdvance(shown);
            }));
        if (font != this->font()) setFont(font);
    }

    QFont own_;
};

// The colours of one control, from the application's palette as it is now.
void applyColours(QWidget* widget, const Group& group, const QPalette& system) {
    QPalette palette = system;
    const QColor background = group.background.resolve(system);
    // A fixed colour stays as it is; a colour of the palette is made readable.
    auto readable = [&](const QColor& text) {
        return group.foreground.fixed ? text : readableOn(text, background, group.leastContrast);
    };
    const QColor foreground = readable(group.foreground.resolve(system));
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
        // A disabled box keeps its background but writes in the
        // palette's disabled text colour.
        palette.setColor(QPalette::Disabled, QPalette::Text,
                         readable(system.color(QPalette::Disabled, QPalette::Text)));
        break;
    }
    widget->setPalette(palette);
}

QMessageBox::Icon iconOfStyle(int style) {
    switch (style & 0x70) {
    case 16:
        return QMessageBox::Critical;
    case 32:
        return QMessageBox::Question;
    case 48:
        return QMessageBox::Warning;
    case 64:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

// The character code of a key stroke that produces a character, or 0.
char16_t keyAscii(const QKeyEvent& event) {
    switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return exercise::kEnterCode;
    case Qt::Key_Backspace:
        return 8;
    default:
        return event.text().isEmpty() ? char16_t{0} : event.text().front().unicode();
    }
}

} // namespace

// One control of the window: its place in twips, its caption or a box's
// starting text, its tab index, its spoken name (the caption when none), the
// box it is (if any) and the handler its click goes to (if any). A box's
// maximum length and starting text come from the logic's description of the
// boxes.
struct Form1::Control {
    const char* name;
    const Group* group;
    int left, top, width, height;
    const char16_t* caption;
    int tabIndex;
    const char16_t* accessibleName;
    std::optional<Box> box;
    void (Form1::*click)();
};

std::span<const Form1::Control> Form1::controls() {
    constexpr std::optional<Box> none;
    // clang-format off
    static const Control table[] = {
        // name      group             left   top  width height caption                tab accessible name              box          click
        {"Label3",   &kHeading,         120,  120, 2745,  285, u"CIJFERWERF",           25, nullptr,                    none,        nullptr},
        {"Label8",   &kInstruction,     120,  480, 3585,  210, u"Kies twee getallen en vul de juiste antwoorden in", 8, nullptr, none, nullptr},
        {"Label7",   &kInstruction,     120,  720, 2745,  210, u"(decimale getallen met punt intoetsen)", 7, nullptr, none, nullptr},
        {"Label1",   &kOperandCaption,  600, 1080,  615,  360, u"getal 1",               5, nullptr,                    none,        nullptr},
        {"Text1",    &kOperandBox,     1320, 1080, 1000,  315, nullptr,                  1, u"getal 1",                 Box::Text1,  nullptr},
        {"Label2",   &kOperandCaption, 2760, 1080,  615,  360, u"getal 2",               6, nullptr,                    none,        nullptr},
        {"Text2",    &kOperandBox,     3480, 1080, 1000,  315, nullptr,                  2, u"getal 2",                 Box::Text2,  nullptr},
        {"Command1", &kButton,          120, 1920,  315, 1785, u"A\nL\nL\nE\nS",        0, u"alles",                   none,        &Form1::command1Click},
        {"Command2", &kButton,          480, 1920, 1200,  350, u"SOM",                  16, u"som",                     none,        &Form1::command2Click},
        {"Text12",   &kAnswerBox,      1800, 1920, 1000,  360, nullptr,                 17, u"antwoord som",            Box::Text12, nullptr},
        {"Text3",    &kResultBox,      2880, 1920, 1000,  350, nullptr,                  3, u"uitkomst som",            Box::Text3,  nullptr},
        {"Text7",    &kEquationBox,    3960, 1920, 2715,  350, nullptr,                  9, u"berekening som",          Box::Text7,  nullptr},
        {"Command3", &kButton,          480, 2400, 1200,  350, u"VERSCHIL",             21, u"verschil",                none,        &Form1::command3Click},
        {"Text13",   &kAnswerBox,      1800, 2400, 1000,  360, nullptr,                 18, u"antwoord verschil",       Box::Text13, nullptr},
        {"Text4",    &kResultBox,      2880, 2400, 1000,  350, nullptr,                  4, u"uitkomst verschil",       Box::Text4,  nullptr},
        {"Text8",    &kEquationBox,    3960, 2400, 2715,  350, nullptr,                 10, u"berekening verschil",     Box::Text8,  nullptr},
        {"Command4", &kButton,          480, 2880, 1200,  350, u"PRODUCT",              22, u"product",                 none,        &Form1::command4Click},
        {"Text14",   &kAnswerBox,      1800, 2880, 1000,  360, nullptr,                 19, u"antwoord product",        Box::Text14, nullptr},
        {"Text5",    &kResultBox,      2880, 2880, 1000,  350, nullptr,                 14, u"uitkomst product",        Box::Text5,  nullptr},
        {"Text9",    &kEquationBox,    3960, 2880, 2715,  350, nullptr,                 11, u"berekening product",      Box::Text9,  nullptr},
        {"Command5", &kButton,          480, 3360, 1200,  350, u"QUOTI\u00cbNT",        23, u"quoti\u00ebnt",           none,        &Form1::command5Click},
        {"Text15",   &kAnswerBox,      1800, 3360, 1000,  360, nullptr,                 20, u"antwoord quoti\u00ebnt",  Box::Text15, nullptr},
        {"Text6",    &kResultBox,      2880, 3360, 1000,  350, nullptr,                 15, u"uitkomst quoti\u00ebnt",  Box::Text6,  nullptr},
        {"Text10",   &kEquationBox,    3960, 3360, 2715,  350, nullptr,                 12, u"berekening quoti\u00ebnt", Box::Text10, nullptr},
        {"Text11",   &kNoticeBox,      3960, 3720, 2715,  350, nullptr,                 13, u"melding deling",          Box::Text11, nullptr},
        {"Command6", &kButton,          120, 3840, 3735,  350, u"OPNIEUW",              24, u"opnieuw",                 none,        &Form1::command6Click},
    };
    // clang-format on
    return table;
}

namespace {

QWidget* createControl(const Form1::Control& control, QWidget* parent) {
    const Group& group = *control.group;
    QWidget* widget = nullptr;
    switch (group.kind) {
    case Kind::Label: {
        auto* label = new QLabel(fromUtf16(control.caption), parent);
        label->setAlignment(group.alignment);
        label->setWordWrap(true);
        label->setAutoFillBackground(true);
        widget = label;
        break;
    }
    case Kind::Button: {
        auto* button = new QPushButton(fromUtf16(control.caption), parent);
        // Enter presses a button that has the focus, as Space does; no
        // button is the window's default.
        button->setAutoDefault(true);
        widget = button;
        break;
    }
    case Kind::TextBox: {
        QLineEdit* edit = nullptr;
        if (group.edge == Edge::Flat)
            edit = new FlatBox(parent);
        else if (group.input == Input::Disabled)
            edit = new ResultBox(parent);
        else
            edit = new QLineEdit(parent);
        if (const std::size_t limit = exercise::maximumLength(*control.box); limit > 0)
            edit->setMaxLength(static_cast<int>(limit));
        edit->setText(fromUtf16(exercise::initialText(*control.box)));
        edit->setAlignment(group.alignment);
        edit->setFrame(group.edge == Edge::Sunken);
        edit->setReadOnly(group.input == Input::ReadOnly);
        edit->setEnabled(group.input != Input::Disabled);
        edit->setFocusPolicy(group.input == Input::Disabled ? Qt::NoFocus : Qt::StrongFocus);
        widget = edit;
        break;
    }
    }
    widget->setObjectName(QLatin1String(control.name));
    widget->setGeometry(pixels(control.left), pixels(control.top), pixels(control.width),
                        pixels(control.height));
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(group.pointSize);
    font.setBold(group.bold);
    widget->setFont(font);
    if (auto* result = dynamic_cast<ResultBox*>(widget)) result->setOwnFont(font);
    // A caption cut by its label's width can still be read in full.
    const QString caption = fromUtf16(control.caption);
    if (group.kind == Kind::Label &&
        QFontMetrics(font).horizontalAdvance(caption) > widget->width())
        widget->setToolTip(caption);
    widget->setAccessibleName(control.accessibleName ? fromUtf16(control.accessibleName) : caption);
    return widget;
}

} // namespace

Form1::Form1(const exercise::RegionalSettings& settings, QWidget* parent)
    : QWidget(parent), commands_(*this, settings) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Cijferwerf"));
    setWindowIcon(QIcon(QStringLiteral(":/cijferwerf.ico")));
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(8.25);
    setFont(font);
    setAutoFillBackground(true);
    // The client area's top-left corner at its fixed place on the screen,
    // unless the window would not fit there.
    shell::Rect place{pixels(kScreenLeft), pixels(kScreenTop), pixels(kClientWidth),
                      pixels(kClientHeight)};
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect available = screen->availableGeometry();
        place = shell::keptOnScreen(
            place, {available.x(), available.y(), available.width(), available.height()});
    }
    setGeometry(place.left, place.top, place.width, place.height);

    std::vector<std::pair<int, QWidget*>> tabOrder;
    for (const Control& control : controls()) {
        QWidget* widget = createControl(control, this);
        // Only controls that take the focus can be chained; labels and the
        // disabled result boxes are passed over.
        if (widget->focusPolicy() & Qt::TabFocus) tabOrder.emplace_back(control.tabIndex, widget);
        if (control.box)
            boxes_[static_cast<std::size_t>(*control.box) - 1] = static_cast<QLineEdit*>(widget);
        if (control.click)
            connect(static_cast<QPushButton*>(widget), &QPushButton::clicked, this, control.click);
        built_.emplace_back(widget, &control);
    }
    std::sort(tabOrder.begin(), tabOrder.end());
    for (std::size_t i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i - 1].second, tabOrder[i].second);
    tabOrder.front().second->setFocus();

    applyColours();

    box(Box::Text1)->installEventFilter(this);
    box(Box::Text2)->installEventFilter(this);
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

// ---------------------------------------------------------------------------
// Events

void Form1::command1Click() {
    dispatch([this] { commands_.all(); });
}
void Form1::command2Click() {
    dispatch([this] { commands_.sum(); });
}
void Form1::command3Click() {
    dispatch([this] { commands_.difference(); });
}
void Form1::command4Click() {
    dispatch([this] { commands_.product(); });
}
void Form1::command5Click() {
    dispatch([this] { commands_.quotient(); });
}
void Form1::command6Click() {
    dispatch([this] { commands_.reset(); });
}
void Form1::text1KeyPress(char16_t code) {
    dispatch([=, this] { commands_.operandKeyPress(code); });
}
void Form1::text2KeyPress(char16_t code) {
    dispatch([=, this] { commands_.operandKeyPress(code); });
}

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
            if (watched == box(Box::Text1))
                text1KeyPress(code);
            else if (watched == box(Box::Text2))
                text2KeyPress(code);
        }
    }
    return QWidget::eventFilter(watched, event);
}

void Form1::dispatch(const std::function<void()>& command) {
    try {
        command();
    } catch (const exercise::ArithmeticFault& fault) {
        const QString text = fault.condition() == exercise::FaultCondition::DivisionByZero
                                 ? QStringLiteral("Rekenfout: deling door nul")
                                 : QStringLiteral("Rekenfout: ongeldige bewerking");
        QMessageBox::critical(this, QStringLiteral("Cijferwerf"), text);
    } catch (const std::exception& error) {
        QMessageBox::critical(
            this, QStringLiteral("Cijferwerf"),
            QStringLiteral("Interne fout: %1").arg(QString::fromLocal8Bit(error.what())));
    }
}

// ---------------------------------------------------------------------------
// Colours

void Form1::applyColours() {
    const QPalette system = QApplication::palette();
    QPalette palette = system;
    palette.setColor(QPalette::Window, QColor(kLightGreen));
    setPalette(palette);
    for (const auto& [widget, control] : built_)
        ::applyColours(widget, *control->group, system);
}
