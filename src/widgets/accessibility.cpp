#include "widgets/accessibility.h"

#include "widgets/tgauge.h"
#include "widgets/tscaledimage.h"
#include "widgets/tstatusbarpro.h"

#include <QAccessibleWidget>
#include <QLabel>
#include <QVariant>

namespace Accessibility {

namespace {

const char *const CaptionProperty = "numletAccessibleCaption";
const char *const CaptionWindowProperty = "numletCaptionedLabels";

// A label read as "caption: value". Qt's label reports its changes as name changes already.
class CaptionedLabel : public QAccessibleWidget
{
public:
    explicit CaptionedLabel(QLabel *label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name)
            return QAccessibleWidget::text(t);
        const QString caption = widget()->property(CaptionProperty).toString();
        const QString value = static_cast<const QLabel *>(widget())->text().trimmed();
        if (caption.isEmpty() || value.isEmpty())
            return caption.isEmpty() ? value : caption;
        return caption + QStringLiteral(": ") + value;
    }
};

class Gauge : public QAccessibleWidget, public QAccessibleValueInterface
{
public:
    explicit Gauge(TGauge *gauge) : QAccessibleWidget(gauge, QAccessible::ProgressBar) {}

    void *interface_cast(QAccessible::InterfaceType t) override
    {
        return t == QAccessible::ValueInterface ? static_cast<QAccessibleValueInterface *>(this)
                                                : QAccessibleWidget::interface_cast(t);
    }
    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Value)
            return QAccessibleWidget::text(t);
        const TGauge *g = gauge();
        const int span = g->maximum() - g->minimum();
        const int percent = span > 0 ? int(100LL * (g->value() - g->minimum()) / span) : 0;
        return QStringLiteral("%1 %").arg(percent);
    }
    QVariant currentValue() const override { return gauge()->value(); }
    void setCurrentValue(const QVariant &) override {} // shows progress, takes none
    QVariant maximumValue() const override { return gauge()->maximum(); }
    QVariant minimumValue() const override { return gauge()->minimum(); }
    QVariant minimumStepSize() const override { return 1; }

private:
    const TGauge *gauge() const { return static_cast<const TGauge *>(object()); }
};

class Picture : public QAccessibleWidget
{
public:
    explicit Picture(QWidget *image) : QAccessibleWidget(image, QAccessible::Graphic) {}
};

// The bar: its hint panel is what it says; the link panel is its one action.
class StatusBar : public QAccessibleWidget
{
public:
    explicit StatusBar(TStatusBarPro *bar) : QAccessibleWidget(bar, QAccessible::StatusBar)
    {
        addControllingSignal(QStringLiteral("panelClicked(int)"));
    }
    QString text(QAccessible::Text t) const override
    {
        const auto *bar = static_cast<const TStatusBarPro *>(object());
        if (t == QAccessible::Value)
            return bar->panelText(0);
        return QAccessibleWidget::text(t);
    }
    QStringList actionNames() const override
    {
        const auto *bar = static_cast<const TStatusBarPro *>(object());
        return bar->clickablePanel() >= 0 ? QStringList{pressAction()} : QStringList();
    }
    void doAction(const QString &action) override
    {
        auto *bar = static_cast<TStatusBarPro *>(object());
        if (action == pressAction() && bar->clickablePanel() >= 0)
            emit bar->panelClicked(bar->clickablePanel());
    }
};

QAccessibleInterface *factory(const QString &className, QObject *object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    // The program's own labels always; Qt's in the window, where they may carry a caption. (The
    // labels of a tab page are made before the page joins the window.)
    if (className == QLatin1String("TLabel3D") || className == QLatin1String("TLabelF"))
        return new CaptionedLabel(static_cast<QLabel *>(object));
    if (auto *label = qobject_cast<QLabel *>(object);
        label && label->window()->property(CaptionWindowProperty).toBool())
        return new CaptionedLabel(label);
    if (className == QLatin1String("TGauge"))
        return new Gauge(static_cast<TGauge *>(object));
    if (className == QLatin1String("TScaledImage"))
        return new Picture(static_cast<QWidget *>(object));
    if (className == QLatin1String("TStatusBarPro"))
        return new StatusBar(static_cast<TStatusBarPro *>(object));
    return nullptr;
}

} // namespace

void install(QWidget *window)
{
    static bool installed = false;
    if (!installed) {
        installed = true;
        QAccessible::installFactory(factory);
    }
    window->setProperty(CaptionWindowProperty, true);
}

void setCaption(QWidget *label, const QString &caption)
{
    label->setProperty(CaptionProperty, caption);
}

void announce(QWidget *control, const QString &text)
{
    control->setAccessibleDescription(text);
    QAccessibleEvent alert(control, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

} // namespace Accessibility
