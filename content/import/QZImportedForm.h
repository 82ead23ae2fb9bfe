#pragma once
// The form that the HTML converter makes from a form tag that posts: a new Forms row of the
// application's current service, claimed while it is filled. The converter gives it its action
// text, its title and the converted contents of the form, saves it and lets it go, which gives
// up the claim. These are the operations of the form content object that the converter uses.

#include "db/QZKeyCombo.h"
#include "platform/core/CString.h"

#include <memory>

class QZImportedForm {
public:
    virtual ~QZImportedForm() = default;

    virtual QZKeyCombo GetKey() const = 0;
    // The action commands that run when the form is submitted.
    virtual void SetActionBody(const CString& text) = 0;
    virtual void SetTitle(const CString& title) = 0;
    // The form's page text.
    virtual void SetScriptBody(const CString& text) = 0;
    // Stamps the change and rewrites the row, keeping the claim until the form goes. 1 written.
    virtual int Save() = 0;
};

// A new form: a new Forms row, added and claimed for the current user.
std::unique_ptr<QZImportedForm> MakeImportedForm();
