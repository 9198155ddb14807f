#pragma once

#include <QString>
#include <QWidget>

struct AppContext;

// A top-level window of the program. Loading registers it with the program's
// list of loaded forms (in load order); unloading runs its unload handler,
// removes it from that list and deletes it.
class Form : public QWidget
{
    Q_OBJECT
public:
    Form(AppContext &ctx, const QString &formName, Qt::WindowFlags flags = Qt::Window);
    ~Form() override;

    QString formName() const { return m_formName; }
    bool isLoaded() const { return m_loaded; }

    // Registers the form and runs Form_Load once.
    void Load();
    // Runs Form_Unload, removes the form from the loaded forms and deletes it
    // once control returns to the event loop.
    void Unload();
    // The program is ending: runs Form_Unload and leaves the loaded forms, but keeps the
    // window as it is; it goes with the program.
    void UnloadAtExit();
    // A dialog or splash that the program has not placed opens centred on the
    // screen: without a window manager it would stand at 0, 0, over a note. It
    // is placed before its window is made, so window managers that place a new
    // window by where it was made see the centre too, and again once its frame
    // is known.
    void setVisible(bool visible) override;

protected:
    virtual void Form_Load() {}
    virtual void Form_Unload() {}
    // A form deleted without Unload (a test tearing down) leaves the list; a
    // form that others watch calls this from its own destructor, so that they
    // hear of it while it is still whole.
    void LeaveForms();
    void showEvent(QShowEvent *event) override;
    // The form's frames carry their caption in their top edge, as frames do,
    // whatever the style: Fusion's caption above a plain box reads as a stray
    // label.
    void CaptionsInFrames();

    AppContext &m_ctx;

private:
    void moveToCentre();

    QString m_formName;
    bool m_centring = false;
    bool m_loaded = false;
    bool m_unloading = false;
};
