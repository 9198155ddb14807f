#pragma once

#include "widgets/lcd/LCDEffectModel.h"

#include <QRegion>
#include <QTimer>
#include <QWidget>

#include <array>
#include <cstdint>

class PropertyBag;
class QPainter;

// The 10 by 10 light panel as a control: a dot-matrix display of round lights
// on a dark plate, driven by LCDEffectModel. Each effect has its own timer;
// the lights one call or tick sets are repainted together, and only those
// whose colour changed. Colours are 0x00BBGGRR values; the high byte is not
// looked at. The control is laid out in twips at 15 to a pixel and does not
// resize its plate: a larger area shows more background.
class LCDEffect : public QWidget, private LCDEffectModel::Observer
{
    Q_OBJECT
public:
    explicit LCDEffect(QWidget *parent = nullptr);

    std::int32_t LightColorOn() const { return m_model.LightColorOn(); }
    void setLightColorOn(std::int32_t color);
    std::int32_t LightColorOff() const { return m_model.LightColorOff(); }
    void setLightColorOff(std::int32_t color);
    // The colour a light shows (row and column 1 to 10).
    std::int32_t LightColor(int row, int column) const { return m_model.Light(row, column); }

    void OffAll();
    void OnAll();
    // Throws LCDError for arguments out of range; see LCDEffectModel::OnRow.
    void OnRow(int RowNo, int ColStart, int ColFinish);

    void EFBarRight(bool TurnOn);
    void EFRoll(bool TurnOn);
    void EFSlice(bool TurnOn);
    void EFSlideOver(bool TurnOn);
    void EFBandsOver(bool TurnOn);
    void EFCircle(bool TurnOn);
    void EFCleanUp(bool TurnOn);
    void EFBlink();

    void UserControl_ReadProperties(const PropertyBag &bag);
    void UserControl_WriteProperties(PropertyBag &bag) const;

    // Where a light is drawn, in the control's pixels.
    static QRectF lightRect(int row, int column);
    // The pixels a light's repaint covers.
    static QRect lightArea(int row, int column);
    static QColor toQColor(std::int32_t color);

    QSize sizeHint() const override;

    QTimer tmrBarRight;
    QTimer tmrRoll;
    QTimer tmrSlice;
    QTimer tmrSlideOver;
    QTimer tmrBandsOver;
    QTimer tmrBlink;
    QTimer tmrCircle;
    QTimer tmrCleanUp;

public slots:
    void tmrBarRight_Timer();
    void tmrRoll_Timer();
    void tmrSlice_Timer();
    void tmrSlideOver_Timer();
    void tmrBandsOver_Timer();
    void tmrBlink_Timer();
    void tmrCircle_Timer();
    void tmrCleanUp_Timer();

signals:
    // Once at the end of every effect run, with that effect already idle.
    void EffectFinished();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void lightSet(int row, int column, bool colourChanged) override;
    void timerEnabled(LCDEffectModel::Effect effect, bool enabled) override;
    void effectFinished() override;

    QTimer &timerOf(LCDEffectModel::Effect effect);
    void tick(LCDEffectModel::Effect effect);
    // Asks for one repaint of every light changed since the last one.
    void flush();
    void paintPlate(QPainter &painter) const;
    static void paintLight(QPainter &painter, const QRectF &area, std::int32_t color);

    LCDEffectModel m_model;
    QRegion m_changed;
};
