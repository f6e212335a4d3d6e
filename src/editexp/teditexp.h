#pragma once

#include <QLineEdit>

class QTableWidget;

// An edit control that holds an expression and evaluates it on demand. Setting the text computes
// nothing; Value() and ResultText() evaluate the current text anew, HasError() and ErrorText()
// report the most recent evaluation.
class TEditExp : public QLineEdit
{
    Q_OBJECT
    Q_PROPERTY(QString Mask READ Mask WRITE setMask)
    Q_PROPERTY(bool UseVar READ UseVar WRITE setUseVar)
public:
    explicit TEditExp(QWidget *parent = nullptr);

    QString Mask() const { return mask; }
    void setMask(const QString &value) { mask = value; }
    // The variable table: column 1 holds the name, column 2 its replacement. Not owned.
    QTableWidget *VarGrid() const { return varGrid; }
    void setVarGrid(QTableWidget *grid) { varGrid = grid; }
    bool UseVar() const { return useVar; }
    void setUseVar(bool value) { useVar = value; }

    double Value();
    QString ResultText();
    bool HasError() const { return lastCode != 0; }
    QString ErrorText() const;
    int ErrorCode() const { return lastCode; }

    // The upper-cased text with the variables substituted, as the last evaluation saw it.
    QString WorkingExpression() const { return working; }

private:
    void evaluate();
    void substituteVariables();

    QString mask;
    QTableWidget *varGrid = nullptr;
    bool useVar = false;
    QString working;
    double lastValue = 0;
    int lastCode = 0;
};
