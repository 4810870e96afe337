// The About box: its layout, the texts it shows when it opens, and the keys it answers.
#include "dialogs/AboutBox.h"

#include "platform/Accessibility.h"
#include "platform/DialogFrame.h"
#include "platform/DialogPlacement.h"
#include "platform/Readability.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <array>

namespace {

// The contact lines are kept complemented, so that they do not stand as plain text in the
// program file: the project's mail address, then its web page.
constexpr std::array<unsigned char, 24> storedMailAddress{
    0x8c, 0x97, 0x8d, 0x90, 0x8a, 0x9b, 0xd2, 0x9e, 0xd2, 0x8f, 0x9e, 0x9b,
    0xbf, 0x9a, 0x87, 0x9e, 0x92, 0x8f, 0x93, 0x9a, 0xd1, 0x90, 0x8d, 0x98,
};
constexpr std::array<unsigned char, 36> storedWebPage{
    0x97, 0x8b, 0x8b, 0x8f, 0xc5, 0xd0, 0xd0, 0x88, 0x88, 0x88, 0xd1, 0x9a,
    0x87, 0x9e, 0x92, 0x8f, 0x93, 0x9a, 0xd1, 0x90, 0x8d, 0x98, 0xd0, 0x8c,
    0x97, 0x8d, 0x90, 0x8a, 0x9b, 0xd2, 0x9e, 0xd2, 0x8f, 0x9e, 0x9b, 0xd0,
};

const QColor black(0, 0, 0);
const QColor white(255, 255, 255);
const QColor purple(128, 0, 128);

// The text column is 217 pixels wide; its lines stand 16 pixels apart.
constexpr int columnWidth = 217;
constexpr int linePitch = 16;
constexpr int lineHeight = 17;

// The named faces are asked for by name; where one is missing the font system substitutes the
// nearest face of the same kind, at the same pixel height.
QFont face(const char *family, int pixelHeight, QFont::StyleHint hint) {
    QFont font(QString::fromLatin1(family));
    font.setStyleHint(hint);
    font.setPixelSize(pixelHeight);
    return font;
}

QFont sansSerif() {
    return face("MS Sans Serif", 11, QFont::SansSerif);
}

QFont titleFace() {
    QFont font = face("Times New Roman", 29, QFont::Serif);
    font.setBold(true);
    font.setItalic(true);
    return font;
}

// The layout's colours are chosen for a light window. On a dark theme its black lines take the
// theme's window-text colour and its purple contact lines a lighter purple, so that both read.
QColor readableColour(const QColor &layoutColour, const QPalette &palette) {
    if (!platform::isDarkPalette(palette))
        return layoutColour;
    if (layoutColour == black)
        return palette.color(QPalette::WindowText);
    return platform::readableOn(layoutColour, palette.color(QPalette::Window));
}

void setTextColour(QLabel *label, const QColor &colour) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, readableColour(colour, palette));
    label->setPalette(palette);
}

QLabel *makeLabel(QWidget *parent, const char *name, const QString &text, const QFont &font,
                  QSize minimum, Qt::Alignment alignment = Qt::AlignCenter) {
    auto *label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    label->setFont(font);
    label->setAlignment(alignment);
    label->setMinimumSize(minimum);
    return label;
}

QLabel *makeLine(QWidget *parent, const char *name, const QColor &colour, int height,
                 const QFont &font = sansSerif()) {
    QLabel *label = makeLabel(parent, name, QString(), font, QSize(columnWidth, height));
    setTextColour(label, colour);
    return label;
}

} // namespace

QByteArray uncomplement(std::span<const unsigned char> stored) {
    QByteArray text(qsizetype(stored.size()), '\0');
    for (std::size_t i = 0; i < stored.size(); ++i)
        text[qsizetype(i)] = char(255 - stored[i]);
    return text;
}

AboutBox::AboutBox(QWidget *owner)
    : QDialog(owner, platform::dialogFrame(platform::TitleBar::MenuAndCloseButton)) {
    setObjectName(QStringLiteral("Tfrm_About"));
    setWindowTitle(tr("About"));
    setModal(true);

    auto *top = new QHBoxLayout;
    top->setSpacing(0);
    top->addWidget(createPicturePanel(), 0, Qt::AlignTop);
    top->addSpacing(13);
    top->addLayout(createTextColumn());

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 9, 6);
    layout->setSpacing(0);
    layout->addLayout(top);
    layout->addSpacing(9);
    layout->addLayout(createButtonRow());
    // A fixed border: the box takes the size its contents need and cannot be resized.
    layout->setSizeConstraint(QLayout::SetFixedSize);

    showOpeningTexts();
}

QWidget *AboutBox::createPicturePanel() {
    auto *panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setLineWidth(1);
    panel->setFixedSize(227, 177);

    auto *image = new QLabel(panel);
    image->setObjectName(QStringLiteral("Image1"));
    image->setPixmap(QPixmap(QStringLiteral(":/pictures/about.png")));
    image->setFixedSize(225, 175);

    auto *inside = new QVBoxLayout(panel);
    inside->setContentsMargins(0, 0, 0, 0);
    inside->addWidget(image);
    return panel;
}

// The name in white, then the same name in the window-text colour over it, one pixel up and
// to the left, so that the white copy shows as a highlight below and right of the letters.
QWidget *AboutBox::createTitle() {
    auto *title = new QWidget(this);
    const QString name = QStringLiteral("Shroud-a-Pad");
    const QSize size(211, 34);
    QLabel *shadow = makeLabel(title, "Label2", name, titleFace(), size);
    // The name is read once, from the copy drawn on top.
    platform::hideFromAssistiveTools(shadow);
    shadow->setContentsMargins(1, 1, 0, 0);
    setTextColour(shadow, white);
    QLabel *nameOnTop = makeLabel(title, "Label1", name, titleFace(), size);
    nameOnTop->setContentsMargins(0, 0, 1, 1);
    nameOnTop->setForegroundRole(QPalette::Text);

    auto *stack = new QGridLayout(title);
    stack->setContentsMargins(0, 0, 0, 0);
    stack->addWidget(shadow, 0, 0);
    stack->addWidget(nameOnTop, 0, 0);
    return title;
}

QLayout *AboutBox::createTextColumn() {
    m_versionLine = makeLine(this, "Label3", black, linePitch);
    QLabel *purposeLine = makeLine(this, "Label4", black, lineHeight);
    purposeLine->setText(tr("Armoured text for mail and paste"));

    auto *rule = new QFrame(this);
    rule->setObjectName(QStringLiteral("Bevel1"));
    rule->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    rule->setFixedHeight(2);
    rule->setMinimumWidth(columnWidth);

    QLabel *strongMethodLine = makeLine(this, "Label5", black, linePitch);
    //: The first of two lines of one sentence; the second names the command that offers the
    //: method.
    strongMethodLine->setText(tr("Method 02: strong, with a phrase,"));
    QLabel *strongMethodWhereLine = makeLine(this, "Label6", black, lineHeight);
    //: The second line of the sentence "Method 02: strong, with a phrase,".
    strongMethodWhereLine->setText(tr("in Encrypt With Specific Method."));
    m_mailLine = makeLine(this, "Label7", purple, linePitch);
    m_webLine =
        makeLine(this, "Label12", purple, lineHeight, face("Small Fonts", 9, QFont::SansSerif));

    auto *column = new QVBoxLayout;
    column->setSpacing(0);
    column->addWidget(createTitle(), 0, Qt::AlignHCenter);
    column->addSpacing(6);
    column->addWidget(m_versionLine);
    column->addWidget(purposeLine);
    column->addSpacing(12);
    column->addWidget(rule);
    column->addSpacing(17);
    column->addWidget(strongMethodLine);
    column->addWidget(strongMethodWhereLine);
    column->addSpacing(7);
    column->addWidget(m_mailLine);
    column->addWidget(m_webLine);
    column->addStretch();
    return column;
}

// OK in the middle of the box; the platform line at the right, level with it.
QLayout *AboutBox::createButtonRow() {
    auto *ok = new QPushButton(QIcon(QStringLiteral(":/icons/ok.svg")), tr("OK"), this);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setFont(sansSerif());
    ok->setMinimumSize(90, 27);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto *platformName = makeLabel(this, "Label10", tr("Version Platform:"), sansSerif(),
                                   QSize(79, 13), Qt::AlignLeft | Qt::AlignVCenter);
    setTextColour(platformName, black);
    QFont bold = sansSerif();
    bold.setBold(true);
    // "00-bit" holds the place until the box opens.
    m_platformBits = makeLabel(this, "Label11", QStringLiteral("00-bit"), bold, QSize(33, 13),
                               Qt::AlignLeft | Qt::AlignVCenter);
    setTextColour(m_platformBits, black);

    auto *platformLine = new QHBoxLayout;
    platformLine->setSpacing(0);
    platformLine->addStretch();
    platformLine->addWidget(platformName);
    platformLine->addSpacing(7);
    platformLine->addWidget(m_platformBits);

    auto *row = new QGridLayout;
    row->setSpacing(0);
    row->setColumnStretch(0, 1);
    row->setColumnStretch(2, 1);
    row->addWidget(ok, 0, 1);
    row->addLayout(platformLine, 0, 2);
    m_buttonRow = row;
    m_platformLine = platformLine;
    ok->setFocus();
    return row;
}

// OK stays in the middle of the box: the columns beside it are as wide as the platform line
// needs, where its words are longer than the English ones, and as wide as in English otherwise.
void AboutBox::keepOkInTheMiddle() {
    const int platformWidth = m_platformLine->sizeHint().width();
    m_buttonRow->setColumnMinimumWidth(0, std::max(183, platformWidth + 1));
    m_buttonRow->setColumnMinimumWidth(2, std::max(182, platformWidth));
}

// The version line, like the program's name, stands as it is in every language.
void AboutBox::showOpeningTexts() {
    m_versionLine->setText(QStringLiteral("Version 1.22 - Oct 15, 1996"));
    m_platformBits->setText(tr("32-bit"));
    keepOkInTheMiddle();
    const QString mail = QString::fromLatin1(uncomplement(storedMailAddress));
    m_mailLine->setText(mail);
    m_mailLine->setToolTip(tr("e-mail: %1").arg(mail));
    const QString web = QString::fromLatin1(uncomplement(storedWebPage));
    m_webLine->setText(web);
    m_webLine->setToolTip(tr("world-wide-web: %1").arg(web));
}

// The box has no cancel button, so Escape does nothing; OK, Enter and the close box end it.
void AboutBox::keyPressEvent(QKeyEvent *event) {
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void AboutBox::showEvent(QShowEvent *event) {
    QDialog::showEvent(event);
    platform::centreOnScreen(this);
}

void showAboutBox(QWidget *owner) {
    AboutBox box(owner);
    box.exec();
}
