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
    };
    return strings;
}
