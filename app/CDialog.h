#pragma once

#include <QDialog>
#include <QFont>
#include <QRect>

class CIPAddressCtrl;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// Dialog units: a quarter of the dialog font's average character width across,
// an eighth of its height down. Windows laid out in them keep their proportions
// whatever font the desktop resolves.
class DialogUnits {
public:
    explicit DialogUnits(const QFont& font);
    int X(int units) const { return units * m_baseX / 4; }
    int Y(int units) const { return units * m_baseY / 8; }
    QRect Rect(int x, int y, int width, int height) const {
        return {X(x), Y(y), X(width), Y(height)};
    }

private:
    int m_baseX;
    int m_baseY;
};

// The font every window of the application is laid out in.
QFont DialogFont();

// A window built from a fixed layout in dialog units. The owner sets its
// members, then DoModal runs OnInitDialog and shows it modally. Tests may call
// OnInitDialog and show() instead, to drive it without blocking.
class CDialog : public QDialog {
    Q_OBJECT
public:
    explicit CDialog(QWidget* parent = nullptr);

    virtual bool OnInitDialog() { return true; }
    int DoModal();
    // Enter while the focus is not on a push button; closes the window.
    virtual void OnOK() { accept(); }

protected:
    // While busy (a transfer under way) the window refuses to close.
    void SetBusy(bool busy) { m_busy = busy; }
    bool IsBusy() const { return m_busy; }
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void done(int result) override;

    const DialogUnits& Units() const { return m_units; }
    // The client area in dialog units, below `top` pixels of menu and toolbar.
    void SetClientSize(int width, int height);
    void SetTopOffset(int pixels) { m_top = pixels; }
    template <class Widget>
    Widget* Place(Widget* widget, int x, int y, int width, int height) {
        widget->setGeometry(m_units.Rect(x, y, width, height).translated(0, m_top));
        return widget;
    }
    // A centred, sunken label as the list windows have them.
    QLabel* Label(const QString& text, int x, int y, int width, int height);
    QGroupBox* Group(const QString& title, int x, int y, int width, int height);
    QPushButton* Button(const QString& text, int x, int y, int width, int height);

    // The labelled "IP Address", "User ID" and "Password" fields of the windows
    // that reach a device; the password shows masked.
    struct LoginFields {
        CIPAddressCtrl* address;
        QLineEdit* userId;
        QLineEdit* password;
    };
    LoginFields MakeLoginFields(int addressY, int addressWidth, int userY);

private:
    DialogUnits m_units;
    int m_top = 0;
    bool m_busy = false;
};
