#pragma once

#include "shell/Form.h"

#include <QTimer>

class QLabel;

namespace skinsmith {

// skinsmith's start-up window: shown for a second, then it opens the main
// window and unloads itself. (The notes program has a frmSplash of its own;
// the namespace keeps the two apart.)
class frmSplash : public Form
{
    Q_OBJECT
public:
    static constexpr int LoadDelayMs = 1000;

    explicit frmSplash(AppContext &ctx);

    QLabel *Image1 = nullptr;
    QLabel *lblName = nullptr;
    QLabel *lblVersion = nullptr;
    QTimer tmrLoad;

    void tmrLoad_Timer();

protected:
    void Form_Load() override;
};

} // namespace skinsmith
