// A standard icon of a style that is looked up when it is first drawn or measured, not when it is
// asked for. Qt's menu bar asks for its overflow button's icon while it is made, and reading that
// picture makes Qt load every image format plugin; the button shows only when the menus do not fit.
#pragma once

#include <QIcon>
#include <QIconEngine>
#include <QPointer>
#include <QStyle>

class DeferredStandardIconEngine : public QIconEngine
{
public:
    DeferredStandardIconEngine(QStyle *style, QStyle::StandardPixmap which);

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override;
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override;
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
    QString iconName() override;
    bool isNull() override;
    QIconEngine *clone() const override;
    QString key() const override;

    // True once the style was asked for the icon.
    bool IsLoaded() const { return m_loaded; }

private:
    const QIcon &Icon();

    QPointer<QStyle> m_style;
    QStyle::StandardPixmap m_which;
    QIcon m_icon;
    bool m_loaded = false;
};
