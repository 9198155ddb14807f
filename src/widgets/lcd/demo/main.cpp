// Shows the light panel chaining randomly chosen effects, alternately
// switching it on and off, with a choice of light colours; an argument
// ("red", "amber", "green", "blue") picks the colours to start with. The panel is only
// 88 x 86 pixels, so the window is drawn at three times the usual scale unless
// QT_SCALE_FACTOR says otherwise.

#include "widgets/lcd/LCDEffect.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRandomGenerator>
#include <QVBoxLayout>
#include <QWidget>

#include <cstdint>

namespace {

struct Scheme
{
    const char *name;
    std::int32_t on; // 0x00BBGGRR
    std::int32_t off;
};

constexpr Scheme Schemes[] = {
    {"Red", 0x0000FF, 0x000080},
    {"Amber", 0x00B0FF, 0x003860},
    {"Green", 0x40FF40, 0x104010},
    {"Blue", 0xFFA040, 0x502010},
};

// Starts one randomly chosen effect and says which on the label.
void startRandomEffect(LCDEffect &panel, QLabel &caption, bool turnOn)
{
    const char *name = nullptr;
    switch (QRandomGenerator::global()->bounded(8)) {
    case 0:
        panel.EFBarRight(turnOn);
        name = "Bar right";
        break;
    case 1:
        panel.EFRoll(turnOn);
        name = "Roll";
        break;
    case 2:
        panel.EFSlice(turnOn);
        name = "Slice";
        break;
    case 3:
        panel.EFSlideOver(turnOn);
        name = "Slide over";
        break;
    case 4:
        panel.EFBandsOver(turnOn);
        name = "Bands over";
        break;
    case 5:
        panel.EFCircle(turnOn);
        name = "Circle";
        break;
    case 6:
        panel.EFCleanUp(turnOn);
        name = "Clean up";
        break;
    default:
        panel.EFBlink();
        caption.setText(QStringLiteral("Blink"));
        return;
    }
    caption.setText(QStringLiteral("%1 (%2)").arg(
        QLatin1String(name), turnOn ? QStringLiteral("on") : QStringLiteral("off")));
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_SCALE_FACTOR"))
        qputenv("QT_SCALE_FACTOR", "3");
    QApplication app(argc, argv);

    QWidget window;
    window.setWindowTitle(QStringLiteral("Light panel"));
    auto *layout = new QVBoxLayout(&window);
    auto *panel = new LCDEffect(&window);
    panel->setFixedSize(panel->sizeHint());
    layout->addWidget(panel, 0, Qt::AlignHCenter);
    auto *caption = new QLabel(&window);
    caption->setAlignment(Qt::AlignHCenter);
    layout->addWidget(caption);

    auto *buttons = new QHBoxLayout;
    for (const Scheme &scheme : Schemes) {
        auto *button = new QPushButton(QLatin1String(scheme.name), &window);
        QObject::connect(button, &QPushButton::clicked, panel, [panel, &scheme] {
            panel->setLightColorOn(scheme.on);
            panel->setLightColorOff(scheme.off);
        });
        buttons->addWidget(button);
        if (QApplication::arguments().value(1).compare(QLatin1String(scheme.name),
                                                       Qt::CaseInsensitive) == 0)
            button->click();
    }
    layout->addLayout(buttons);

    bool turnOn = true;
    QObject::connect(panel, &LCDEffect::EffectFinished, panel, [&] {
        turnOn = !turnOn;
        startRandomEffect(*panel, *caption, turnOn);
    });
    startRandomEffect(*panel, *caption, turnOn);

    window.show();
    return app.exec();
}
