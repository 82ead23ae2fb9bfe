#pragma once
// The Site menu's commands that create and set up sites and sections, and the Options command.
// Each is a plain function for the command router to call (the command's id beside it); the
// site browser is reached through the site menu host.

class CWnd;

// 32787 "Ne&w Site": the New Site wizard when wizards are in use, else the site settings sheet
// on a new site, which then gets a "Default Style" and a "Main Section"; the new site becomes
// the selected site and is shown in the site browser. Cancel creates nothing.
void SiteAdminNewSite(CWnd* parent);
// 32785 "&Edit Site": the site settings sheet on the selected site (nothing without one); OK
// shows the site in the site browser.
void SiteAdminEditSite(CWnd* parent);
// 32786 "New Secti&on": the section settings sheet on a new section of the selected site.
void SiteAdminNewSection(CWnd* parent);
// 32777 "Edit Sec&tion": the section settings sheet on the selected section (nothing without
// one).
void SiteAdminEditSection(CWnd* parent);
// 32803 "O&ptions": the preferences sheet.
void SiteAdminOptions(CWnd* parent);
