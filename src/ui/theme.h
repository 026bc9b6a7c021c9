#pragma once

#include <QColor>
#include <QObject>
#include <QQmlEngine>

// Sizes, text sizes and colours shared by the popover's views, in
// device-independent pixels. The colours are the named ones the panel is
// drawn with; text sizes follow the desktop text styles they stand for.
class Theme : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

    /// Space between neighbouring parts.
    Q_PROPERTY(int spacing MEMBER m_spacing CONSTANT)
    /// Space around a part.
    Q_PROPERTY(int padding MEMBER m_padding CONSTANT)

    Q_PROPERTY(QColor accent MEMBER m_accent CONSTANT)
    Q_PROPERTY(QColor danger MEMBER m_danger CONSTANT)
    Q_PROPERTY(QColor track MEMBER m_track CONSTANT)
    Q_PROPERTY(QColor rowBackground MEMBER m_rowBackground CONSTANT)
    Q_PROPERTY(QColor separator MEMBER m_separator CONSTANT)
    Q_PROPERTY(QColor secondaryText MEMBER m_secondaryText CONSTANT)

    Q_PROPERTY(int largeTitleSize MEMBER m_largeTitleSize CONSTANT)
    Q_PROPERTY(int titleSize MEMBER m_titleSize CONSTANT)
    Q_PROPERTY(int headlineSize MEMBER m_headlineSize CONSTANT)
    Q_PROPERTY(int subheadlineSize MEMBER m_subheadlineSize CONSTANT)
    Q_PROPERTY(int bodySize MEMBER m_bodySize CONSTANT)

public:
    static Theme *create(QQmlEngine *, QJSEngine *) { return new Theme; }

private:
    Theme() = default;

    int m_spacing = 8;
    int m_padding = 8;

    QColor m_accent{u"blue"};
    QColor m_danger{u"red"};
    QColor m_track{u"gray"};
    QColor m_rowBackground{u"white"};
    QColor m_separator{0xe2, 0xe2, 0xe2};
    QColor m_secondaryText{0x6e, 0x6e, 0x73};

    int m_largeTitleSize = 26;
    int m_titleSize = 22;
    int m_headlineSize = 13;
    int m_subheadlineSize = 11;
    int m_bodySize = 13;
};
