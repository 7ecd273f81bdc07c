#pragma once

// The progress panel shown while a workbook is built ("エクセル変換中"). The desktop program
// shows a panel with a progress bar; solvara-cli and the tests use this silent one.
class ExportProgress
{
public:
    virtual ~ExportProgress() = default;
    virtual void show() {}
    virtual void setMaximum(int maximum) { m_maximum = maximum; }
    virtual void setPosition(int position) { m_position = position; }
    virtual void hide() {}

    void advance() { setPosition(m_position + 1); }
    int maximum() const { return m_maximum; }
    int position() const { return m_position; }

private:
    int m_maximum = 0;
    int m_position = 0;
};
