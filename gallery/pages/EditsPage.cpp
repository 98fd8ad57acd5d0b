// Numeric entry: integer and real-number fields that refuse keystrokes which
// would make their text invalid or out of range, each with a tooltip, and a
// switch that makes them explain every refusal.
#include "GalleryPage.h"
#include <memory>
#include <vector>

namespace {
const UINT IDC_VERBOSE = 300;
const UINT IDC_READ = 301;
const UINT IDC_FIRST_FIELD = 310;
}

class CEditsPage : public CGalleryPage
{
public:
    BOOL OnCreatePage() override
    {
        AddLabel(m_title, "Numeric entry", Row(28), TRUE);
        NextRow(4);
        AddLabel(m_intro,
                 "Each field tests the whole text after every keystroke or paste and takes back, with a beep, "
                 "whatever would leave it invalid or out of range. Leaving a field rewrites it in its "
                 "canonical form. Rest the mouse on a field for its tooltip.",
                 Row(34));
        NextRow(10);

        AddLabel(m_integerHeading, "Whole numbers", Row(18));
        NextRow(2);
        AddIntegerField("Quantity", 1, 999, 12, "Items to order: whole numbers from 1 to 999.");
        AddIntegerField("Year of manufacture", 1900, 2100, 1998,
                        "Four-digit year between 1900 and 2100. Every digit typed must keep the number in "
                        "range, so change a year digit by digit rather than retyping it.");
        AddIntegerField("Temperature offset (\xB0"
                        "C)",
                        -50, 50, -3, "Correction from -50 to +50 degrees.");
        NextRow(6);

        AddLabel(m_realHeading, "Real numbers", Row(18));
        NextRow(2);
        AddRealField("Unit price (EUR)", 0.0, 100000.0, FALSE, TRUE, 2, FALSE, 19.9,
                     "Above 0 and at most 100 000, in cents: two decimals, always shown.");
        AddRealField("Latitude (\xB0)", -90.0, 90.0, TRUE, TRUE, 6, TRUE, 52.520008,
                     "Degrees north (positive) or south (negative), six decimals.");
        AddRealField("Discount rate", 0.0, 1.0, FALSE, TRUE, 4, TRUE, 0.15,
                     "A fraction above 0 and at most 1, four decimals: type .25 for a quarter.");
        AddRealField("Batch weight (kg)", 0.0, 5000.0, TRUE, FALSE, 1, TRUE, 1250.5,
                     "From 0 up to, but not including, 5000 kg, one decimal.");
        NextRow(6);

        m_verbose.Create("Explain each refusal in a message box (verbose)",
                         WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, Row(20, 360), this, IDC_VERBOSE);
        m_verbose.SetFont(PageFont());
        NextRow(6);
        m_read.Create("Read values", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, Row(24, 110), this, IDC_READ);
        m_read.SetFont(PageFont());
        AddLabel(m_values, "", RowAt(134, 40, 560));
        NextRow();
        ShowValues();
        return TRUE;
    }

protected:
    void OnVerbose()
    {
        int bVerbose = m_verbose.GetCheck() == BST_CHECKED;
        for (auto& field : m_integers)
            field->edit.SetVerbose(bVerbose);
        for (auto& field : m_reals)
            field->edit.SetVerbose(bVerbose);
    }

    void OnRead() { ShowValues(); }
    DECLARE_MESSAGE_MAP()

private:
    struct IntegerField
    {
        CStatic label;
        QELIntegerEdit edit;
        CStatic rule;
    };
    struct RealField
    {
        CStatic label;
        QELRealEdit edit;
        CStatic rule;
    };

    UINT NextFieldId() { return IDC_FIRST_FIELD + (UINT)(m_integers.size() + m_reals.size()); }

    // A caption, the edit beside it; the caller sets the edit up, then EndField
    // adds its tooltip and the rule it follows.
    void BeginField(CStatic& label, QELEdit& edit, LPCSTR lpszLabel)
    {
        AddLabel(label, lpszLabel, Beside(12, 170, 20));
        edit.CreateEx(WS_EX_CLIENTEDGE, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL,
                      RowAt(186, 22, 130), this, NextFieldId());
        edit.SetFont(PageFont());
    }

    void EndField(QELEdit& edit, LPCSTR lpszTip, CStatic& rule, LPCSTR lpszRule)
    {
        edit.SetTooltipText(lpszTip);
        AddLabel(rule, lpszRule, Beside(330, 320, 20));
        NextRow(4);
    }

    void AddIntegerField(LPCSTR lpszLabel, long lMin, long lMax, long lValue, LPCSTR lpszTip)
    {
        m_integers.push_back(std::make_unique<IntegerField>());
        IntegerField& f = *m_integers.back();
        BeginField(f.label, f.edit, lpszLabel);
        f.edit.SetRange(lMin, lMax);
        f.edit.SetValue(lValue);
        CString strRule;
        strRule.Format("%ld to %ld", lMin, lMax);
        EndField(f.edit, lpszTip, f.rule, strRule);
    }

    void AddRealField(LPCSTR lpszLabel, double dMin, double dMax, BOOL bMinInclusive, BOOL bMaxInclusive,
                      int nPrecision, BOOL bRemoveZeros, double dValue, LPCSTR lpszTip)
    {
        m_reals.push_back(std::make_unique<RealField>());
        RealField& f = *m_reals.back();
        BeginField(f.label, f.edit, lpszLabel);
        f.edit.SetRange(dMin, dMax, bMinInclusive, bMaxInclusive);
        f.edit.SetPrecision(nPrecision);
        f.edit.SetRemoveTrailingZeros(bRemoveZeros);
        f.edit.SetValue(dValue);
        CString strRule;
        strRule.Format("%s%g, %g%s  \xB7  %d decimal%s%s", bMinInclusive ? "[" : "(", dMin, dMax,
                       bMaxInclusive ? "]" : ")", nPrecision, nPrecision == 1 ? "" : "s",
                       bRemoveZeros ? ", trailing zeros dropped" : ", trailing zeros kept");
        EndField(f.edit, lpszTip, f.rule, strRule);
    }

    void ShowValues()
    {
        // What the application reads: always a number inside each field's range.
        CString strValues = "Values read:";
        for (auto& field : m_integers) {
            CString str;
            str.Format("  %ld", field->edit.GetValue());
            strValues += str;
        }
        strValues += "\r\n             ";
        for (auto& field : m_reals) {
            CString str;
            str.Format("  %.10g", field->edit.GetValue());
            strValues += str;
        }
        m_values.SetWindowText(strValues);
    }

    CStatic m_title;
    CStatic m_intro;
    CStatic m_integerHeading;
    CStatic m_realHeading;
    std::vector<std::unique_ptr<IntegerField>> m_integers;
    std::vector<std::unique_ptr<RealField>> m_reals;
    CButton m_verbose;
    CButton m_read;
    CStatic m_values;
};

BEGIN_MESSAGE_MAP(CEditsPage, CGalleryPage)
    ON_BN_CLICKED(IDC_VERBOSE, OnVerbose)
    ON_BN_CLICKED(IDC_READ, OnRead)
END_MESSAGE_MAP()

GALLERY_PAGE(CEditsPage, "Numeric entry", 60)
