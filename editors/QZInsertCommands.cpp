#include "editors/QZInsertCommands.h"

#include "content/commands/QZCmdActiveX.h"
#include "content/commands/QZCmdAdSpace.h"
#include "content/commands/QZCmdAddRow.h"
#include "content/commands/QZCmdAddRows.h"
#include "content/commands/QZCmdDelRow.h"
#include "content/commands/QZCmdEditRow.h"
#include "content/commands/QZCmdEditRows.h"
#include "content/commands/QZCmdEmail.h"
#include "content/commands/QZCmdExecQuery.h"
#include "content/commands/QZCmdExtLink.h"
#include "content/commands/QZCmdForm.h"
#include "content/commands/QZCmdGenerate.h"
#include "content/commands/QZCmdImage.h"
#include "content/commands/QZCmdIntLink.h"
#include "content/commands/QZCmdJava.h"
#include "content/commands/QZCmdMedia.h"
#include "content/commands/QZCmdQuery.h"
#include "content/commands/QZCmdReturn.h"
#include "content/commands/QZCmdScript.h"
#include "editors/QZEditViewLogic.h"
#include "editors/QZInsertDialogs.h"
#include "editors/QZListProps.h"
#include "editors/QZTableProps.h"
#include "platform/core/MessageBox.h"
#include "template/commands/QZCmdFile.h"
#include "template/commands/QZCmdFor.h"
#include "template/commands/QZCmdIf.h"
#include "template/commands/QZCmdPrintExpr.h"
#include "template/commands/QZCmdRepeat.h"
#include "template/commands/QZCmdRun.h"
#include "template/commands/QZCmdSetCookie.h"
#include "template/commands/QZCmdSetDefault.h"
#include "template/commands/QZCmdStoreExpr.h"
#include "template/commands/QZCmdSwitch.h"
#include "template/commands/QZCmdWhile.h"

namespace {

constexpr int WRAP = QZEditViewLogic::INSERT_WRAP;
constexpr int REPLACE = QZEditViewLogic::INSERT_REPLACE;
constexpr int APPEND = QZEditViewLogic::INSERT_APPEND;
using E = QZInsertCommands;

std::vector<QZInsertCommands::Entry> MakeTable() {
    return {
        // HTML
        {32800, "<hr>\r\n", REPLACE, E::PLAIN},
        {32801, "<br>\r\n", REPLACE, E::PLAIN},
        {32811, "<b></b>", WRAP, E::PLAIN},
        {32809, "<center></center>", WRAP, E::PLAIN},
        {32812, "<i></i>", WRAP, E::PLAIN},
        {32844, "<em></em>", WRAP, E::PLAIN},
        {32813, "<h1></h1>", WRAP, E::PLAIN},
        {32814, "<h2></h2>", WRAP, E::PLAIN},
        {32810, "<p>\r\n", REPLACE, E::PLAIN},
        {32895, "<a name=\"Anchor\">", REPLACE, E::PLAIN},
        {32799, "", REPLACE, E::TABLE},
        {32808, "", APPEND, E::LIST},
        // Insert
        {32762, QZCmdImage::GetSkeleton(), REPLACE, E::PROPERTIES},
        {32789,
         "<<macro :???"
         ">>",
         REPLACE, E::PROPERTIES},
        {32794, QZCmdForm::GetSkeleton(), REPLACE, E::PROPERTIES},
        {32790, QZCmdQuery::GetSkeleton(), REPLACE, E::QUERY},
        {32793, QZCmdIntLink::GetSkeleton(), WRAP, E::PROPERTIES},
        {32763, QZCmdExtLink::GetSkeleton(), WRAP, E::PLAIN},
        {32897, QZCmdMedia::GetSkeleton(), REPLACE, E::PROPERTIES},
        {32802, QZCmdActiveX::GetSkeleton(), REPLACE, E::PROPERTIES},
        {32795, QZCmdJava::GetSkeleton(), REPLACE, E::PROPERTIES},
        {32898, QZCmdScript::GetSkeleton(), REPLACE, E::PROPERTIES},
        {32905, QZCmdAdSpace::GetSkeleton(), REPLACE, E::PROPERTIES},
        {32891, QZCmdFile::GetSkeleton(), REPLACE, E::PLAIN},
        {32805, "// Your comments here ", REPLACE, E::PLAIN},
        // Constant
        {32823, "<<print Date>>", REPLACE, E::PLAIN},
        {32824, "<<print Time>>", REPLACE, E::PLAIN},
        {32825, "<<print Version>>", REPLACE, E::PLAIN},
        {32826, "<<print LastChanged>>", REPLACE, E::PLAIN},
        {32827, "<<print LastGenerated>>", REPLACE, E::PLAIN},
        {32828, "<<print [RowNumber]>>", REPLACE, E::PLAIN},
        {32839, "<<print [RowCount]>>", REPLACE, E::PLAIN},
        {32804, "<<print URL>>", REPLACE, E::PLAIN},
        {32842, "<<print Title>>", REPLACE, E::PLAIN},
        {32871, "<<print Webmaster>>", REPLACE, E::PLAIN},
        {32830, "<<print Link>>", REPLACE, E::PLAIN},
        {32760, "<<print Top>>", REPLACE, E::PLAIN},
        {32831, "<<print right>>", REPLACE, E::PLAIN},
        {32832, "<<print middle>>", REPLACE, E::PLAIN},
        {32833, "<<print left>>", REPLACE, E::PLAIN},
        {32834, "<<print bottom>>", REPLACE, E::PLAIN},
        // Form Items
        {32850, "<input type=\"checkbox\" name=\"\" value=\"\">", REPLACE, E::PLAIN},
        {32858, "<input type=\"checkbox\" checked name=\"\" value=\"\">", REPLACE, E::PLAIN},
        {32851, "<input type=\"radio\" name=\"\" value=\"\">", REPLACE, E::PLAIN},
        {32859, "<input type=\"radio\" checked name=\"\" value=\"\">", REPLACE, E::PLAIN},
        {32852, "<input type=\"hidden\" name=\"\" value=\"\">", REPLACE, E::PLAIN},
        {32853, "<input type=\"text\" name=\"\" value=\"\" size=\"30\" maxlength=\"30\">", REPLACE,
         E::PLAIN},
        {32854, "<textarea name=\"\" rows=\"4\" cols=\"50\"></textarea>", REPLACE, E::PLAIN},
        {32855, "", REPLACE, E::LIST_BOX},
        {32856, "<input type=\"submit\" value=\"Submit\">", REPLACE, E::PLAIN},
        {32857, "<input type=\"reset\" value=\"Reset\">", REPLACE, E::PLAIN},
        // Variable
        {32846, QZCmdSetDefault::GetSkeleton(), REPLACE, E::PLAIN},
        {32847, QZCmdPrintExpr::GetSkeleton(), REPLACE, E::PLAIN},
        {32848, QZCmdStoreExpr::GetSkeleton(), REPLACE, E::PLAIN},
        {32798, QZCmdStoreExpr::GetSkeleton(), REPLACE, E::PLAIN},
        {32874, QZCmdSetCookie::GetSkeleton(), REPLACE, E::PLAIN},
        {32893,
         "<<interpret ???"
         ">>",
         WRAP, E::PLAIN},
        // Conditionals
        {32796, QZCmdSwitch::GetSkeleton(), REPLACE, E::PLAIN},
        {32797, QZCmdWhile::GetSkeleton(), REPLACE, E::PLAIN},
        {32819, QZCmdIf::GetSkeleton(), REPLACE, E::PLAIN},
        {32875, QZCmdFor::GetSkeleton(), WRAP, E::PLAIN},
        {32910, QZCmdFor::GetSkeleton(), WRAP, E::PLAIN},
        {32892, QZCmdRepeat::GetSkeleton(), REPLACE, E::PLAIN},
        // Actions
        {32881, QZCmdAddRow::GetSkeleton(), REPLACE, E::PLAIN},
        {32882, QZCmdAddRows::GetSkeleton(), REPLACE, E::PLAIN},
        {32883, QZCmdDelRow::GetSkeleton(), REPLACE, E::PLAIN},
        {32884, QZCmdEditRow::GetSkeleton(), REPLACE, E::PLAIN},
        {32885, QZCmdEditRows::GetSkeleton(), REPLACE, E::PLAIN},
        {32886, QZCmdExecQuery::GetSkeleton(), REPLACE, E::PLAIN},
        {32904, QZCmdGenerate::GetSkeleton(), REPLACE, E::PLAIN},
        {32889, QZCmdReturn::GetSkeleton(), REPLACE, E::PLAIN},
        {32890, QZCmdEmail::GetSkeleton(), REPLACE, E::PLAIN},
        {32907, QZCmdRun::GetSkeleton(), REPLACE, E::PLAIN},
    };
}

} // namespace

const std::vector<QZInsertCommands::Entry>& QZInsertCommands::Table() {
    static const std::vector<Entry> table = MakeTable();
    return table;
}

const QZInsertCommands::Entry* QZInsertCommands::Find(UINT id) {
    for (const Entry& entry : Table())
        if (entry.id == id)
            return &entry;
    return nullptr;
}

QZInsertCommands::QZInsertCommands(QZEditViewLogic& view, BOOL useWizards)
    : m_view(view), m_bUseWizards(useWizards) {}

BOOL QZInsertCommands::IsEnabled(UINT id) const {
    return Find(id) != nullptr && m_view.CanEdit();
}

BOOL QZInsertCommands::Run(UINT id) {
    const Entry* entry = Find(id);
    if (entry == nullptr)
        return FALSE;
    if (!m_view.CanEdit())
        return TRUE;
    switch (entry->special) {
    case TABLE:
        InsertTable();
        break;
    case LIST:
        InsertList();
        break;
    case LIST_BOX:
        InsertListBox();
        break;
    case PROPERTIES:
        if (m_bUseWizards) {
            m_view.InsertCommandWithProperties(entry->text, TRUE);
            break;
        }
        m_view.InsertText(entry->text, entry->mode, TRUE);
        break;
    case QUERY:
        if (m_bUseWizards) {
            InsertFromQueryWizard(entry->mode);
            break;
        }
        m_view.InsertText(entry->text, entry->mode, TRUE);
        break;
    case PLAIN:
        m_view.InsertText(entry->text, entry->mode, TRUE);
        break;
    }
    return TRUE;
}

void QZInsertCommands::InsertFromQueryWizard(int mode) {
    // Cancel gives no text, and nothing goes in.
    const CString text = GetInsertDialogs().QueryWizard();
    if (!text.IsEmpty())
        m_view.InsertText(text, mode, TRUE);
}

void QZInsertCommands::InsertTable() {
    QZTableProps props;
    props.m_nRows = 2;
    props.m_nColumns = 2;
    if (m_bUseWizards && GetInsertDialogs().TableSize(props) != IDOK)
        return;
    const int mode = QZEditViewLogic::INSERT_REPLACE;
    m_view.InsertText("<table>\r\n", mode, TRUE);
    for (UINT row = 0; row < props.m_nRows; row++) {
        m_view.InsertText("\t<tr>\r\n", mode, TRUE);
        for (UINT column = 0; column < props.m_nColumns; column++) {
            CString cell;
            cell.Format("Row %d Col %d", row, column);
            m_view.InsertText("\t\t<td>", mode, TRUE);
            m_view.InsertText(cell, mode, TRUE);
            m_view.InsertText("</td>\r\n", mode, TRUE);
        }
        m_view.InsertText("\t</tr>\r\n", mode, TRUE);
    }
    m_view.InsertText("</table>\r\n", mode, TRUE);
}

void QZInsertCommands::InsertList() {
    QZListProps props;
    props.m_strHeading = "Heading";
    props.m_nRows = 3;
    props.m_nBullet = 0;
    if (m_bUseWizards && GetInsertDialogs().ListProps(props) != IDOK)
        return;
    static const char* const openings[] = {"<ul>\r\n", "<ul type=disc>\r\n", "<ul type=circle>\r\n",
                                           "<ul type=square>\r\n"};
    bool known = props.m_nBullet >= 1 && props.m_nBullet <= 3;
    CString text = openings[known ? props.m_nBullet : 0];
    text += "<lh>" + props.m_strHeading + "</lh><br>\r\n";
    for (UINT item = 1; item <= props.m_nRows; item++) {
        CString line;
        line.Format("\t<li>List Item %d <br>\r\n", item);
        text += line;
    }
    text += "</ul><br>\r\n";
    m_view.InsertText(text, QZEditViewLogic::INSERT_APPEND, TRUE);
}

void QZInsertCommands::InsertListBox() {
    const int mode = QZEditViewLogic::INSERT_REPLACE;
    m_view.InsertText("<select name=\"\">\r\n", mode, TRUE);
    m_view.InsertText("\t<option selected value=\"\">\r\n", mode, TRUE);
    m_view.InsertText("\t<option value=\"\">\r\n", mode, TRUE);
    m_view.InsertText("</select>\r\n", mode, TRUE);
}
