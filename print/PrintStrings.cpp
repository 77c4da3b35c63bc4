#include "print/PrintStrings.h"

const KxStringTable& kxPrintStrings() {
    static const KxStringTable strings = {
        {kxStrCannotOpenTemplate, "Could not open the print template file %s."},
        {kxStrCannotCreatePrintOutput, "Could not create the temporary print output file %s."},
        {kxStrPrintoutTooLarge,
         "Your printout is too large to print.  \n\nAn intermediate step in the printing process "
         "is the creation of an HTML file, _KxPrintTempOutput.htm, located in your Rolva program "
         "directory.  This file was created successfully.  You can attempt to print this file by "
         "loading it into your browser, but we recommend closing all other programs first."},
        {kxStrGeneratingPrintout, "Generating printout"},
        {kxStrCannotWritePrintOutput, "Could not write the print output file %s."},
        {kxStrNoPrintFields, "There are no fields specified.  Please click on \"Fields to Print\" to "
                             "select the field you would like in your printout."},
        {kxStrTemplateNotAvailable, "Your print template \"%s\" is not available."},
        {kxStrNoTemplates, "There are no Print Report Templates in your application directory."},
        {kxStrPrinting, "Printing"},
        {kxStrCannotWritePdf, "The PDF file %s could not be written."},
        {kxStrSavePdfTitle, "Save as PDF"},
        {kxStrPdfFilter, "PDF Files (*.pdf)"},
        {kxStrFieldsToPrintTitle, "Fields to Print"},
        {kxStrSpecifyFieldsToPrint, "Specify Fields to Print"},
        {kxStrPageSetupTitle, "Page Setup"},
        {kxStrHeadersAndFooters, "Headers and Footers"},
        {kxStrHeaderLabel, "&Header:"},
        {kxStrFooterLabel, "&Footer:"},
        {kxStrPageCodeLegend,
         "&w title  &u address  &d date  &D long date  &t time  &T 24-hour time  "
         "&p page  &P pages  &b alignment break  && ampersand"},
        {kxStrMarginsInches, "Margins (inches)"},
        {kxStrMarginLeft, "&Left:"},
        {kxStrMarginRight, "&Right:"},
        {kxStrMarginTop, "T&op:"},
        {kxStrMarginBottom, "&Bottom:"},
        {kxStrPortrait, "Por&trait"},
        {kxStrLandscape, "L&andscape"},
        {kxStrPaper, "Paper"},
        {kxStrPaperSize, "Si&ze:"},
        {kxStrPrintSettingsTitle, "Print Settings"},
        {kxStrPrintTitleLabel, "&Title (first page only)"},
        {kxStrPrintRange, "Print range"},
        {kxStrPrintRangeAll, "&Entire database"},
        {kxStrPrintOptions, "Print options"},
        {kxStrFieldsToPrintButton, "&Fields to Print..."},
        {kxStrPrintStyleButton, "Print St&yle..."},
        {kxStrPageSetupButton, "Page Set&up..."},
        {kxStrPrintButton, "&Print..."},
        {kxStrPreviewButton, "Pre&view..."},
        {kxStrSavePdfButton, "Save as P&DF..."},
        {kxStrBrowserButton, "Open in &Browser"},
        {kxStrPrintStyleTitle, "Print Style"},
        {kxStrStyleList, "&Select style template:"},
        {kxStrStyleSample, "Sample (your printed output may vary):"},
        {kxStrPrintoutName, "Printout"},
    };
    return strings;
}
