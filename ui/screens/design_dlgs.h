#pragma once

#include "engine/design_screens.h"
#include "ui/screens/talo_dialog.h"

class QLineEdit;
class QListWidget;

// The sampling design screens, laid out over their screen state. Each ends
// with OK only; their checks report under the title "TALO".

// The choice of design for a one-sample mean: simple random, composite or
// stratified; the radio index is the design code.
class CMeanDesignDlg : public CTaloDialog, public DesignChoiceScreen {
public:
    explicit CMeanDesignDlg(QWidget* parent = nullptr);
};

// The choice of design for a one-sample proportion: simple random or
// stratified (PropDesignCode maps the index).
class CPropDesignDlg : public CTaloDialog, public DesignChoiceScreen {
public:
    explicit CPropDesignDlg(QWidget* parent = nullptr);
};

// The composite design's ratio, aliquots and compositing cost.
class CCompositeDlg : public CTaloDialog, public CompositeScreen {
public:
    explicit CCompositeDlg(QWidget* parent = nullptr);

protected:
    std::string CheckInputs() override;
    QString ValidationTitle() const override;
};

// The number of strata.
class CStrataCountDlg : public CTaloDialog, public StrataCountScreen {
public:
    explicit CStrataCountDlg(QWidget* parent = nullptr);

protected:
    std::string CheckInputs() override;
    QString ValidationTitle() const override;
};

// What the two stratum characteristics screens share: the stratum number,
// the value and the weight, which is read-only for the final stratum.
template <typename Screen> class CStratumDlg : public CTaloDialog, public Screen {
protected:
    CStratumDlg(const QString& title, const QString& valueCaption, const char* explanation,
                QWidget* parent);

    void OnOpening() override;
    QString ValidationTitle() const override;

private:
    QLineEdit* m_pWeight;
};

extern template class CStratumDlg<MeanStratumScreen>;
extern template class CStratumDlg<PropStratumScreen>;

// One stratum's standard deviation and weight; the deviation is bounded by
// the edited record's range (m_pDQO).
class CMeanStratumDlg : public CStratumDlg<MeanStratumScreen> {
public:
    explicit CMeanStratumDlg(QWidget* parent = nullptr);

protected:
    std::string CheckInputs() override;
};

// One stratum's underlying proportion and weight.
class CPropStratumDlg : public CStratumDlg<PropStratumScreen> {
public:
    explicit CPropStratumDlg(QWidget* parent = nullptr);

protected:
    std::string CheckInputs() override;
};

// The strata of the edited record (m_pDQO) as a list, rebuilt at every
// showing; "Change Number" and "Change Values" end it without checks.
class CStrataSummaryDlg : public CTaloDialog, public StrataSummaryScreen {
public:
    explicit CStrataSummaryDlg(QWidget* parent = nullptr);

protected:
    void OnOpening() override;

private:
    QLabel* m_pHeader;
    QListWidget* m_pList;
};
