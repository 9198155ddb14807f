#include "widgets/lcd/LCDEffect.h"

#include <QPaintEvent>
#include <QPainter>
#include <QRadialGradient>

namespace {

using Effect = LCDEffectModel::Effect;

constexpr double TwipsPerPixel = 15.0;

// The plate the lights sit on, and the lights' grid inside it, in twips.
constexpr int PlateLeft = 15;
constexpr int PlateTop = 0;
constexpr int PlateSize = 1275;
constexpr int LightOffset = 15;
constexpr int LightPitch = 120;
constexpr int LightSize = 100;
constexpr int ControlWidth = 1320;
constexpr int ControlHeight = 1290;

double px(int twips)
{
    return twips / TwipsPerPixel;
}

QColor mixed(const QColor &from, const QColor &to, double amount)
{
    auto channel = [amount](int a, int b) { return static_cast<int>(a + (b - a) * amount); };
    return QColor(channel(from.red(), to.red()), channel(from.green(), to.green()),
                  channel(from.blue(), to.blue()));
}

} // namespace

LCDEffect::LCDEffect(QWidget *parent) : QWidget(parent)
{
    struct TimerSetup
    {
        QTimer *timer;
        int interval;
        void (LCDEffect::*handler)();
    };
    const TimerSetup timers[] = {
        {&tmrBarRight, 100, &LCDEffect::tmrBarRight_Timer},
        {&tmrRoll, 50, &LCDEffect::tmrRoll_Timer},
        {&tmrSlice, 100, &LCDEffect::tmrSlice_Timer},
        {&tmrSlideOver, 100, &LCDEffect::tmrSlideOver_Timer},
        {&tmrBandsOver, 100, &LCDEffect::tmrBandsOver_Timer},
        {&tmrBlink, 100, &LCDEffect::tmrBlink_Timer},
        {&tmrCircle, 100, &LCDEffect::tmrCircle_Timer},
        {&tmrCleanUp, 100, &LCDEffect::tmrCleanUp_Timer},
    };
    for (const TimerSetup &setup : timers) {
        setup.timer->setInterval(setup.interval);
        connect(setup.timer, &QTimer::timeout, this, setup.handler);
    }
    // The lights cover every pixel they repaint; the rest is plain background.
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_model.setObserver(this);
}

QSize LCDEffect::sizeHint() const
{
    return QSize(qRound(px(ControlWidth)), qRound(px(ControlHeight)));
}

QRectF LCDEffect::lightRect(int row, int column)
{
    return QRectF(px(PlateLeft + LightOffset + LightPitch * (column - 1)),
                  px(PlateTop + LightOffset + LightPitch * (row - 1)), px(LightSize),
                  px(LightSize));
}

QRect LCDEffect::lightArea(int row, int column)
{
    return lightRect(row, column).toAlignedRect();
}

QColor LCDEffect::toQColor(std::int32_t color)
{
    const auto bgr = static_cast<std::uint32_t>(color);
    return QColor(static_cast<int>(bgr & 0xFFu), static_cast<int>((bgr >> 8) & 0xFFu),
                  static_cast<int>((bgr >> 16) & 0xFFu));
}

void LCDEffect::setLightColorOn(std::int32_t color)
{
    m_model.setLightColorOn(color);
}

void LCDEffect::setLightColorOff(std::int32_t color)
{
    m_model.setLightColorOff(color);
    flush();
}

void LCDEffect::OffAll()
{
    m_model.OffAll();
    flush();
}

void LCDEffect::OnAll()
{
    m_model.OnAll();
    flush();
}

void LCDEffect::OnRow(int RowNo, int ColStart, int ColFinish)
{
    m_model.OnRow(RowNo, ColStart, ColFinish);
    flush();
}

void LCDEffect::EFBarRight(bool TurnOn)
{
    m_model.EFBarRight(TurnOn);
}

void LCDEffect::EFRoll(bool TurnOn)
{
    m_model.EFRoll(TurnOn);
}

void LCDEffect::EFSlice(bool TurnOn)
{
    m_model.EFSlice(TurnOn);
}

void LCDEffect::EFSlideOver(bool TurnOn)
{
    m_model.EFSlideOver(TurnOn);
}

void LCDEffect::EFBandsOver(bool TurnOn)
{
    m_model.EFBandsOver(TurnOn);
}

void LCDEffect::EFCircle(bool TurnOn)
{
    m_model.EFCircle(TurnOn);
}

void LCDEffect::EFCleanUp(bool TurnOn)
{
    m_model.EFCleanUp(TurnOn);
}

void LCDEffect::EFBlink()
{
    m_model.EFBlink();
}

void LCDEffect::UserControl_ReadProperties(const PropertyBag &bag)
{
    m_model.UserControl_ReadProperties(bag);
    flush();
}

void LCDEffect::UserControl_WriteProperties(PropertyBag &bag) const
{
    m_model.UserControl_WriteProperties(bag);
}

QTimer &LCDEffect::timerOf(Effect effect)
{
    switch (effect) {
    case Effect::BarRight:
        return tmrBarRight;
    case Effect::Roll:
        return tmrRoll;
    case Effect::Slice:
        return tmrSlice;
    case Effect::SlideOver:
        return tmrSlideOver;
    case Effect::BandsOver:
        return tmrBandsOver;
    case Effect::Blink:
        return tmrBlink;
    case Effect::Circle:
        return tmrCircle;
    case Effect::CleanUp:
        break;
    }
    return tmrCleanUp;
}

void LCDEffect::tick(Effect effect)
{
    m_model.Tick(effect);
    flush();
}

void LCDEffect::tmrBarRight_Timer()
{
    tick(Effect::BarRight);
}

void LCDEffect::tmrRoll_Timer()
{
    tick(Effect::Roll);
}

void LCDEffect::tmrSlice_Timer()
{
    tick(Effect::Slice);
}

void LCDEffect::tmrSlideOver_Timer()
{
    tick(Effect::SlideOver);
}

void LCDEffect::tmrBandsOver_Timer()
{
    tick(Effect::BandsOver);
}

void LCDEffect::tmrBlink_Timer()
{
    tick(Effect::Blink);
}

void LCDEffect::tmrCircle_Timer()
{
    tick(Effect::Circle);
}

void LCDEffect::tmrCleanUp_Timer()
{
    tick(Effect::CleanUp);
}

void LCDEffect::lightSet(int row, int column, bool colourChanged)
{
    if (colourChanged)
        m_changed += lightArea(row, column);
}

void LCDEffect::timerEnabled(Effect effect, bool enabled)
{
    QTimer &timer = timerOf(effect);
    if (enabled)
        timer.start();
    else
        timer.stop();
}

void LCDEffect::effectFinished()
{
    // The finishing tick draws nothing; show what came before it first, as the
    // handler may well start the next effect.
    flush();
    emit EffectFinished();
}

void LCDEffect::flush()
{
    if (m_changed.isEmpty())
        return;
    update(m_changed);
    m_changed = QRegion();
}

void LCDEffect::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), palette().window());
    paintPlate(painter);
    painter.setRenderHint(QPainter::Antialiasing);
    for (int row = 1; row <= LCDEffectModel::Rows; ++row) {
        for (int column = 1; column <= LCDEffectModel::Columns; ++column) {
            if (event->region().intersects(lightArea(row, column)))
                paintLight(painter, lightRect(row, column), m_model.Light(row, column));
        }
    }
}

void LCDEffect::paintPlate(QPainter &painter) const
{
    const QRectF plate(px(PlateLeft), px(PlateTop), px(PlateSize), px(PlateSize));
    QLinearGradient face(plate.topLeft(), plate.bottomRight());
    face.setColorAt(0, QColor(0x24, 0x24, 0x22));
    face.setColorAt(1, QColor(0x0c, 0x0c, 0x0b));
    painter.fillRect(plate, face);
    // A sunken one-pixel bevel: shadow along the top and left, light along the rest.
    const QRectF inner = plate.adjusted(0.5, 0.5, -0.5, -0.5);
    painter.setPen(QPen(QColor(0x00, 0x00, 0x00), 1.0));
    painter.drawLine(inner.topLeft(), inner.topRight());
    painter.drawLine(inner.topLeft(), inner.bottomLeft());
    painter.setPen(QPen(QColor(0x5a, 0x5a, 0x56), 1.0));
    painter.drawLine(inner.bottomLeft(), inner.bottomRight());
    painter.drawLine(inner.topRight(), inner.bottomRight());
}

void LCDEffect::paintLight(QPainter &painter, const QRectF &area, std::int32_t color)
{
    const QColor base = toQColor(color);
    const double size = area.width();

    // A domed lens: brightest a little above and left of the middle, darker
    // towards its rim, with a faint dark ring where it sits in the plate.
    QRadialGradient lens(area.center(), size * 0.62,
                         area.center() - QPointF(size * 0.14, size * 0.18));
    lens.setColorAt(0.0, mixed(base, Qt::white, 0.45));
    lens.setColorAt(0.45, base);
    lens.setColorAt(1.0, base.darker(190));
    painter.setPen(QPen(QColor(0, 0, 0, 150), size * 0.06));
    painter.setBrush(lens);
    painter.drawEllipse(area.adjusted(size * 0.03, size * 0.03, -size * 0.03, -size * 0.03));

    const QRectF glint(area.left() + size * 0.24, area.top() + size * 0.18, size * 0.26,
                       size * 0.18);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 110));
    painter.drawEllipse(glint);
}
