#pragma once
// The Site menu's commands that run the generate, publish, import and component dialogs. Each
// is a plain function for the command router to call (the command's id beside it); what they
// need of the main window (open editors, the site browser) goes through the site menu host.

class CWnd;

// 32806 "&Generate Pages": after the close-all question (only while editors are open), the
// Generate Pages dialog.
void SiteMenuGeneratePages(CWnd* parent);
// 32872 "Pu&blish Objects": after the close-all question, the Publish Objects dialog.
void SiteMenuPublishObjects(CWnd* parent);
// 32864 "Import Site": the Import Site dialog; OK refreshes the selected site in the browser.
void SiteMenuImportSite(CWnd* parent);
// 32840 "&Import Images": the Import Images dialog; then the browser's image tree is refreshed.
void SiteMenuImportImages(CWnd* parent);
// 32821 "Install Co&mponent": the Component Install dialog.
void SiteMenuInstallComponent(CWnd* parent);
// 32820 "&Component": the Insert Component dialog; OK says the component's static pages need
// to be generated and refreshes the selected site in the browser.
void SiteMenuInsertComponent(CWnd* parent);
