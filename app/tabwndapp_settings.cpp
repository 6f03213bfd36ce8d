// The user settings of tb_config: read at start, stored when the preferences
// are applied (the window settings are stored at the end of the run).

#include <QGuiApplication>
#include <QRect>
#include <QScreen>

#include "filingsettings.h"
#include "preparersettings.h"
#include "tabwndapp.h"

int TabWndApp::readConfigDB()
{
    CSqliteDBManager& db = m_dbManager;
    CT1AppConfig& c = m_config;

    db.readParameter("LeftPaneSize", c.m_LeftPaneSize, 0);
    CString color;
    if (db.readParameter("BKColor", color, 0) > 0 && color.GetLength() == 7) c.m_BKColor = color;
    db.readParameter("FontSize", c.m_FontSize, 0);

    db.readParameter("LeftX", c.m_LeftX);
    db.readParameter("LeftY", c.m_LeftY);
    db.readParameter("Width", c.m_Width);
    db.readParameter("Height", c.m_Height);
    if (c.m_Width == 0 || c.m_Height == 0) {
        QRect screen(0, 0, 1024, 768);
        if (const QScreen* primary = QGuiApplication::primaryScreen()) screen = primary->geometry();
        c.m_LeftX = 20;
        c.m_LeftY = 60;
        c.m_Width = screen.width() - 40;
        c.m_Height = screen.height() - 120;
    }

    db.readParameter("RetPath", c.m_RetPath, 1);
    db.readParameter("RetPdfPath", c.m_RetPdfPath, 1);
    db.readParameter("PdfPathSameAsRet", c.m_PdfPathSameAsRet);
    db.readParameter("LastOpenPath", m_LastOpenPath, 1);
    db.readParameter("LastImportPath", m_LastImportPath, 1);
    db.readParameter("BusinessName", c.m_BusinessName, 0);
    db.readParameter("BusinessAddr", c.m_BusinessAddr, 0);
    db.readParameter("BusinessCity", c.m_BusinessCity, 0);
    db.readParameter("BusinessProv", c.m_BusinessProv, 0);
    db.readParameter("BusinessPostcode", c.m_BusinessPostcode, 0);
    db.readParameter("BusinessPhone", c.m_BusinessPhone, 0);
    readEFileSettings();
    db.readParameter("DiscounterCode", c.m_DiscounterCode, 0);
    db.readParameter("PreAssessment", c.m_PreAssessment);
    db.readParameter("PostAssessment", c.m_PostAssessment);
    db.readParameter("PrntClientLetter", c.m_PrntClientLetter);
    db.readParameter("SaveBackup", c.m_SaveBackup);
    db.readParameter("ShowRelMsg", c.m_ShowRelMsg);
    db.readParameter("FilingReport", c.m_FilingReport);
    db.readParameter("PenvaultEmail", c.m_PenvaultEmail, 0);
    db.readParameter("PenvaultPswd", c.m_PenvaultPswd, 0);
    db.readParameter("PVFromEmail", c.m_PVFromEmail, 0);
    return 0;
}

void TabWndApp::readEFileSettings()
{
    CT1AppConfig& c = m_config;
    // Test and production numbers never stand in for each other: a mode
    // with nothing stored starts empty.
    c.m_BusinessEFileNum.Empty();
    c.m_BusinessEFilePassword.Empty();
    if (c.isTestMode()) {
        m_dbManager.readParameter("BusinessEFileNumDbg", c.m_BusinessEFileNum, 0);
        m_dbManager.readParameter("BusinessEFilePasswordDbg", c.m_BusinessEFilePassword, 0);
    } else {
        m_dbManager.readParameter("BusinessEFileNum", c.m_BusinessEFileNum, 0);
        m_dbManager.readParameter("BusinessEFilePassword", c.m_BusinessEFilePassword, 0);
    }
}

int TabWndApp::saveConfigDB()
{
    CSqliteDBManager& db = m_dbManager;
    const CT1AppConfig& c = m_config;

    db.saveParameter("LeftPaneSize", c.m_LeftPaneSize, 0);
    db.saveParameter("RetPath", c.m_RetPath, 1);
    db.saveParameter("RetPdfPath", c.m_RetPdfPath, 1);
    db.saveParameter("PdfPathSameAsRet", c.m_PdfPathSameAsRet);
    db.saveParameter("BusinessName", c.m_BusinessName, 0);
    db.saveParameter("BusinessAddr", c.m_BusinessAddr, 0);
    db.saveParameter("BusinessCity", c.m_BusinessCity, 0);
    db.saveParameter("BusinessProv", c.m_BusinessProv, 0);
    db.saveParameter("BusinessPostcode", c.m_BusinessPostcode, 0);
    db.saveParameter("BusinessPhone", c.m_BusinessPhone, 0);
    if (c.isTestMode()) {
        db.saveParameter("BusinessEFileNumDbg", c.m_BusinessEFileNum, 0);
        db.saveParameter("BusinessEFilePasswordDbg", c.m_BusinessEFilePassword, 0);
    } else {
        db.saveParameter("BusinessEFileNum", c.m_BusinessEFileNum, 0);
        db.saveParameter("BusinessEFilePassword", c.m_BusinessEFilePassword, 0);
    }
    db.saveParameter("DiscounterCode", c.m_DiscounterCode, 0);
    db.saveParameter("PreAssessment", c.m_PreAssessment);
    db.saveParameter("PostAssessment", c.m_PostAssessment);
    db.saveParameter("PrntClientLetter", c.m_PrntClientLetter);
    db.saveParameter("SaveBackup", c.m_SaveBackup);
    db.saveParameter("ShowRelMsg", c.m_ShowRelMsg);
    db.saveParameter("FilingReport", c.m_FilingReport);
    db.saveParameter("PenvaultEmail", c.m_PenvaultEmail, 0);
    db.saveParameter("PenvaultPswd", c.m_PenvaultPswd, 0);
    db.saveParameter("PVFromEmail", c.m_PVFromEmail, 0);
    publishPreparerSettings();
    return 0;
}

void TabWndApp::publishPreparerSettings()
{
    const CT1AppConfig& c = m_config;
    PreparerSettings& p = preparerSettings();
    p.BusinessName = c.m_BusinessName;
    p.BusinessAddr = c.m_BusinessAddr;
    p.BusinessCity = c.m_BusinessCity;
    p.BusinessProv = c.m_BusinessProv;
    p.BusinessPostcode = c.m_BusinessPostcode;
    p.BusinessPhone = c.m_BusinessPhone;
    p.BusinessEFileNum = c.m_BusinessEFileNum;
    p.DiscounterCode = c.m_DiscounterCode;
    p.EFilePassword = c.m_BusinessEFilePassword;
    p.PreAssessment = c.m_PreAssessment;
    p.PostAssessment = c.m_PostAssessment;

    FilingSettings& f = filingSettings();
    f.EfilerId = c.m_BusinessEFileNum;
    f.EfilerPassword = c.m_BusinessEFilePassword;
    f.TestMode = c.isTestMode();
    f.NoWarningMsg = c.m_NoWarningMsg;
    f.NetfileSoftwareCode = c.m_NetfileSoftwareCode;
    f.NetfileSoftwareDate = c.m_NetfileSoftwareDate;
    f.EfileSoftwareCode = c.m_EfileSoftwareCode;
    f.EfileSoftwareDate = c.m_EfileSoftwareDate;
}
