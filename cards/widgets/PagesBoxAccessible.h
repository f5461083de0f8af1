#pragma once

#include <QAccessibleWidget>
#include <QLineEdit>

// The card print dialog's pages box as assistive technology sees it: a spin box whose
// value is the number of pages (1 to 999), raised and lowered by its increase and decrease
// actions, as the arrows beside it do.
class PagesBoxAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit PagesBoxAccessible(QLineEdit *box);

    // Makes every pages box named "txtCopie" speak as a spin box.
    static void installFactory();

    void *interface_cast(QAccessible::InterfaceType type) override;
    QString text(QAccessible::Text t) const override;

    QVariant currentValue() const override;
    void setCurrentValue(const QVariant &value) override;
    QVariant maximumValue() const override { return 999; }
    QVariant minimumValue() const override { return 1; }
    QVariant minimumStepSize() const override { return 1; }

    QStringList actionNames() const override;
    void doAction(const QString &action) override;

private:
    QLineEdit *box() const { return static_cast<QLineEdit *>(widget()); }
};
