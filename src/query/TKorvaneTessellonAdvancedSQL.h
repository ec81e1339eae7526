// The advanced search dialog as a logic object. Its controls are the one store
// of the search criteria for the program's whole life; the statement builder
// (ResearchSQL) reads them whether the dialog is shown or not.
#pragma once

#include "common/ControlModels.h"

#include <QStringList>

namespace tessellon {

class TKorvaneTessellonMain;

class TKorvaneTessellonAdvancedSQL {
public:
    // Creates the controls with their first-start values and runs FormCreate.
    explicit TKorvaneTessellonAdvancedSQL(TKorvaneTessellonMain& main);

    // --- Criteria controls -----------------------------------------------
    ComboBoxModel ComboBox20; // with all of these words
    ComboBoxModel ComboBox22; // with at least one of these words
    ComboBoxModel ComboBox23; // without these word(s)
    ComboBoxModel ComboBox24; // find filename(s) or file type(s)
    ComboBoxModel ComboBox5;  // ignore filename(s), file type(s)
    ComboBoxModel ComboBox3;  // search only in this folder(s)
    ButtonModel btnBrowse;
    CheckBoxModel deepshallow_cb;
    DatePickerModel startdatepicker;
    DatePickerModel enddatepicker;
    ComboBoxModel ComboBox1; // minimum size
    ComboBoxModel ComboBox2; // maximum size
    TickListModel ColumnsListView;
    TickListModel FileAttributsListView;
    CheckBoxModel CheckBox25; // expert tick
    MemoModel Memo1;          // expert text
    ComboBoxModel ComboBox4;  // results limit
    ButtonModel Button1;      // "&Cancel"
    ButtonModel btnOk;        // "&Ok"

    // --- Operations ------------------------------------------------------
    void FormCreate();
    // Builds the statement and every output the run needs (see the .cpp).
    void ResearchSQL();
    // columnfields := the captions of the ticked column rows, top to bottom.
    void fillCheckedcolumnsstrlist();
    // The dialog's all-words and file-pattern boxes take over the main
    // window's boxes (text and entries).
    void SyncWordBoxes();

    bool expertMode() const { return CheckBox25.checked; }

    // --- Event handlers ----------------------------------------------------
    // Every showing: the main window's boxes are the masters of the
    // all-words text and the file patterns. (The Filename row is drawn bold
    // by the view.)
    void FormShow();
    // Adds a folder chosen in the folder chooser to the folder text.
    void BrowsebtnClick();
    // The deep tick is visible exactly when a folder restriction is set.
    void ComboBox3Change();
    void ComboBox3DblClick();
    void ComboBox5DblClick();
    // Any change of an item of either tick list: the Filename row stays
    // ticked.
    void ColumnsListViewChange(TickListModel& list, int index);
    // Switches between normal and expert mode.
    void CheckBox25Click();

private:
    void recordRecentEntries();
    void prepareQuery();
    void buildExpertStatement();
    void buildNormalStatement();
    void rebuildNormalColumns();
    QString selectList() const;
    QString scopeText() const;
    QString hostPrefix() const;
    QString whereCondition();

    TKorvaneTessellonMain& main_;
};

} // namespace tessellon
