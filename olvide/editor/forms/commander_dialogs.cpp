#include "olvide/editor/forms/commander_dialogs.h"

#include "olvide/controls/kel_image.h"
#include "olvide/editor/forms/form_text.h"
#include "olvide/model/elements/program_varibler.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRadioButton>
#include <QScrollArea>
#include <QToolButton>

namespace olvide::forms {
namespace {

const QColor kFrameTransparent(0, 128, 0);
constexpr int kPictureWidth = 48; // an argument picture: icon and a label cut to 43 pixels
constexpr int kPictureHeight = 52;

} // namespace

TCommanderAttributeDialog::TCommanderAttributeDialog(QWidget* parent, int frameInterval)
    : TvisualorAttributeDialog(parent) {
    setObjectName(QStringLiteral("CommanderAttributeDialog"));
    setWindowTitle(QStringLiteral("流程Olvan性质定义窗口"));
    aliasLabel->setText(QStringLiteral("流程Olvan名称:"));
    olvaneImage = new controls::TKelImage(this);
    olvaneImage->setObjectName(QStringLiteral("olvaneImage"));
    olvaneImage->setGeometry((kWidth - 100) / 2, 0, 100, 97);
    olvaneImage->setColor(kSilver);
    addToRow(greetingRow, {olvaneImage}, 105);
    olvaneTimer.setInterval(frameInterval);
    connect(&olvaneTimer, &QTimer::timeout, this, [this] {
        frame_ = (frame_ + 1) % 4;
        drawFrame();
    });
    relayout();
}

void TCommanderAttributeDialog::drawFrame() {
    if (frames_.empty()) return;
    olvaneImage->drawTransparent(frames_[static_cast<std::size_t>(frame_) % frames_.size()],
                                 kFrameTransparent);
}

void TCommanderAttributeDialog::showEvent(QShowEvent* event) {
    TvisualorAttributeDialog::showEvent(event);
    frames_.clear();
    for (const char* name : {"olvane1.bmp", "olvane2.bmp", "olvane3.bmp", "olvane4.bmp"}) {
        QImage picture = loadPicture(name);
        if (!picture.isNull()) frames_.push_back(std::move(picture));
    }
    frame_ = 0;
    olvaneImage->drawTransparent(QImage(), kFrameTransparent); // silver
    drawFrame();
    olvaneTimer.start();
}

void TCommanderAttributeDialog::hideEvent(QHideEvent* event) {
    olvaneTimer.stop();
    frames_.clear();
    TvisualorAttributeDialog::hideEvent(event);
}

TTrueCommanderAttributeDialog::TTrueCommanderAttributeDialog(QWidget* parent)
    : TCommanderAttributeDialog(parent) {
    setObjectName(QStringLiteral("TrueCommanderAttributeDialog"));
    setWindowTitle(QStringLiteral("真士流程Olvan性质定义窗口"));
    aliasLabel->setText(QStringLiteral("真士名称 :"));
}

TFalseCommanderAttributeDialog::TFalseCommanderAttributeDialog(QWidget* parent)
    : TCommanderAttributeDialog(parent) {
    setObjectName(QStringLiteral("FalseCommanderAttributeDialog"));
    setWindowTitle(QStringLiteral("假士流程Olvan性质定义窗口"));
    aliasLabel->setText(QStringLiteral("假士名称 :"));
}

void TFalseCommanderAttributeDialog::showFields(const AttributeWindow& window) {
    TCommanderAttributeDialog::showFields(window);
    // A false commander is named after its condition.
    VisualorAlias->setEnabled(false);
}

TforCommanderAttributeDialog::TforCommanderAttributeDialog(QWidget* parent)
    : TCommanderAttributeDialog(parent) {
    setObjectName(QStringLiteral("forCommanderAttributeDialog"));
    setWindowTitle(QStringLiteral("循环士流程Olvan性质定义窗口"));
    aliasLabel->setText(QStringLiteral("循环士名称 :"));
}

TMainCommanderAttributeDialog::TMainCommanderAttributeDialog(QWidget* parent)
    : TCommanderAttributeDialog(parent, 800) {
    setObjectName(QStringLiteral("MainCommanderAttributeDialog"));
    setWindowTitle(QStringLiteral("主流程Olvan性质定义窗口"));
    auto* order = placeLabel(this, QStringLiteral("参数变量的顺序调整"), QRect(12, 0, 200, 22));
    addToRow(kindRows, {order}, 26);

    leftBitBtn = new QToolButton(this);
    leftBitBtn->setObjectName(QStringLiteral("leftBitBtn"));
    leftBitBtn->setArrowType(Qt::LeftArrow);
    leftBitBtn->setGeometry(12, 0, 24, kPictureHeight + 8);
    parameterBox = new QScrollArea(this);
    parameterBox->setObjectName(QStringLiteral("parameterBox"));
    parameterBox->setGeometry(40, 0, kWidth - 80, kPictureHeight + 24);
    parameterBox->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    parameterBox->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    parameterBox->setWidget(new QWidget);
    parameterBox->widget()->setAutoFillBackground(true);
    QPalette white = parameterBox->widget()->palette();
    white.setColor(QPalette::Window, Qt::white);
    parameterBox->widget()->setPalette(white);
    parameterBox->viewport()->setPalette(white);
    RightBitBtn = new QToolButton(this);
    RightBitBtn->setObjectName(QStringLiteral("RightBitBtn"));
    RightBitBtn->setArrowType(Qt::RightArrow);
    RightBitBtn->setGeometry(kWidth - 36, 0, 24, kPictureHeight + 8);
    addToRow(kindRows + 1, {leftBitBtn, parameterBox, RightBitBtn}, kPictureHeight + 30);
    connect(leftBitBtn, &QToolButton::clicked, this, [this] { moveSelected(-1); });
    connect(RightBitBtn, &QToolButton::clicked, this, [this] { moveSelected(1); });

    externalcall = new QRadioButton(QStringLiteral("外部调用"), this);
    externalcall->setObjectName(QStringLiteral("externalcall"));
    externalcall->setGeometry(12, 0, 90, 22);
    externalcall->setChecked(true);
    internalcall = new QRadioButton(QStringLiteral("内部反应"), this);
    internalcall->setObjectName(QStringLiteral("internalcall"));
    internalcall->setGeometry(110, 0, 90, 22);
    staticcommander = new QComboBox(this);
    staticcommander->setObjectName(QStringLiteral("staticcommander"));
    staticcommander->setGeometry(210, 0, 150, 22);
    staticcommander->setEnabled(false);
    addToRow(kindRows + 2, {externalcall, internalcall, staticcommander}, 30);
    connect(externalcall, &QRadioButton::toggled, this, [this] { chooseCall(); });
    relayout();
}

void TMainCommanderAttributeDialog::chooseCall() {
    if (internalcall->isChecked() && staticcommander->count() == 0) {
        // Nothing to share values with.
        externalcall->setChecked(true);
        return;
    }
    staticcommander->setEnabled(internalcall->isChecked());
}

void TMainCommanderAttributeDialog::showFields(const AttributeWindow& window) {
    TCommanderAttributeDialog::showFields(window);
    order_ = window.parameterOrder;
    selected_ = -1;
    buildParameterPictures();
    staticcommander->clear();
    for (const std::string& alias : window.staticCommanderChoices)
        staticcommander->addItem(screenText(alias));
    staticcommander->setCurrentIndex(staticcommander->findText(screenText(window.staticcommander)));
    (window.internalcall && staticcommander->count() > 0 ? internalcall : externalcall)
        ->setChecked(true);
    chooseCall();
}

void TMainCommanderAttributeDialog::takeFields(AttributeWindow& window) const {
    TCommanderAttributeDialog::takeFields(window);
    window.parameterOrder = order_;
    window.internalcall = internalcall->isChecked();
    window.staticcommander =
        window.internalcall ? modelText(staticcommander->currentText()) : std::string();
}

void TMainCommanderAttributeDialog::buildParameterPictures() {
    for (QFrame* picture : pictures_)
        delete picture;
    pictures_.clear();
    QWidget* strip = parameterBox->widget();
    for (const TprogramVaribler* element : order_) {
        auto* picture = new QFrame(strip);
        picture->resize(kPictureWidth, kPictureHeight);
        picture->setAutoFillBackground(true);
        auto* icon = new controls::TKelImage(picture);
        icon->setGeometry((kPictureWidth - 32) / 2, 2, 32, 32);
        icon->setColor(Qt::white);
        icon->drawWhiteTransparent(loadPicture(element->iconName()));
        icon->setAttribute(Qt::WA_TransparentForMouseEvents);
        auto* label = new QLabel(screenText(oneLine(element->VisualorAlias)), picture);
        label->setGeometry((kPictureWidth - 43) / 2, 35, 43, 15);
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
        picture->installEventFilter(this);
        pictures_.push_back(picture);
    }
    placeParameterPictures();
}

void TMainCommanderAttributeDialog::placeParameterPictures() {
    for (std::size_t i = 0; i < pictures_.size(); ++i) {
        QFrame* picture = pictures_[i];
        picture->move(4 + static_cast<int>(i) * (kPictureWidth + 4), 4);
        const bool chosen = static_cast<int>(i) == selected_;
        QPalette palette = picture->palette();
        palette.setColor(QPalette::Window, chosen ? kNavy : QColor(Qt::white));
        palette.setColor(QPalette::WindowText, chosen ? QColor(Qt::white) : QColor(Qt::blue));
        picture->setPalette(palette);
        for (QLabel* label : picture->findChildren<QLabel*>())
            label->setPalette(palette);
    }
    parameterBox->widget()->resize(
        std::max(parameterBox->viewport()->width(),
                 4 + static_cast<int>(pictures_.size()) * (kPictureWidth + 4)),
        kPictureHeight + 8);
}

void TMainCommanderAttributeDialog::selectParameter(int position) {
    if (position < 0 || position >= static_cast<int>(order_.size())) return;
    selected_ = position;
    placeParameterPictures();
}

void TMainCommanderAttributeDialog::moveSelected(int step) {
    const int other = selected_ + step;
    if (selected_ < 0 || other < 0 || other >= static_cast<int>(order_.size())) return;
    std::swap(order_[static_cast<std::size_t>(selected_)], order_[static_cast<std::size_t>(other)]);
    std::swap(pictures_[static_cast<std::size_t>(selected_)],
              pictures_[static_cast<std::size_t>(other)]);
    selected_ = other;
    placeParameterPictures();
    parameterBox->ensureWidgetVisible(pictures_[static_cast<std::size_t>(selected_)]);
}

QWidget* TMainCommanderAttributeDialog::parameterPicture(int position) const {
    if (position < 0 || position >= static_cast<int>(pictures_.size())) return nullptr;
    return pictures_[static_cast<std::size_t>(position)];
}

bool TMainCommanderAttributeDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        for (std::size_t i = 0; i < pictures_.size(); ++i)
            if (pictures_[i] == watched) {
                selectParameter(static_cast<int>(i));
                return true;
            }
    }
    return TCommanderAttributeDialog::eventFilter(watched, event);
}

} // namespace olvide::forms
