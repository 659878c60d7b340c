/* Every fixed id of Fonexa: commands, controls, dialogs, menus, bitmaps and
   strings. Shared by the .rc scripts and the code, so it holds only
   #defines. Named templates ("LEPD", "PRIMO", ...) are strings in the .rc
   files and must never be #defined here. */
#ifndef FONEXA_RESOURCE_H
#define FONEXA_RESOURCE_H

/* ---- Icons, bitmaps, accelerators ---------------------------------- */
#define IDI_FONEXA                1
#define IDB_MAIN_TOOLBAR          144   /* 28 images of 16 x 15 */
#define IDB_FORMAT_TOOLBAR        168   /* 12 images of 16 x 15 */
#define IDA_MAIN                  171
#define MAIN_TOOLBAR_IMAGES       28
#define FORMAT_TOOLBAR_IMAGES     12

/* ---- Main-window children ------------------------------------------ */
#define IDC_MAIN_TOOLBAR          12
#define IDC_REPORT_DOCUMENT       13
#define IDC_FORMAT_TOOLBAR        14
#define IDC_STATUS_BAR            15    /* also each calculator's status bar */

/* ---- String table --------------------------------------------------- */
#define IDS_SAVE_DATA_TITLE       19    /* "Salvataggio file di dati" */
#define IDS_FILTER_LEPD           30
#define IDS_FILTER_ILG            31
#define IDS_LOAD_DATA_TITLE       38    /* "Caricamento file di dati" */
#define IDS_FILTER_SPR            69
#define IDS_FILTER_SPI            70
#define IDS_FILTER_DPI            74
#define IDS_FILTER_LEG            77
#define IDS_FILTER_LEW            82
#define IDS_FILTER_CSV            83
#define IDS_FILTER_BMP            84
#define IDS_FILTER_FNX            87
#define IDS_FILTER_LIN            88

/* ---- Main menu "PRIMO" and toolbar commands -------------------------- */
#define IDM_LEPD                  1000
#define IDM_PRINT                 1010
#define IDM_VIEW_DOCUMENT         1020
#define IDM_VIEW_TABLE            1022
#define IDM_VIEW_AUDIOGRAM        1024
#define IDM_VIEW_GRAPH            1026
#define IDM_COPY                  1028  /* also "C&opia" of the calculators */
#define IDM_NIPTS                 1050
#define IDM_HTLA                  1055
#define IDM_HTLAN                 1060
#define IDM_RISK                  1070
#define IDM_PREDICTIONS           1100
#define IDM_EVOLUTION             1120
#define IDM_DAMAGE                1150
#define IDM_INFO                  1200
#define IDM_EXIT                  1250
#define IDM_PAGE_SETUP            1275
#define IDM_HELP                  1300
#define IDM_NOISE_SPECTRUM        1400
#define IDM_OPEN                  1420
#define IDM_PROTECTOR_SELECTION   40001
#define IDM_ATTENUATION_SPECTRUM  40021
#define IDM_GROUP_LEQ             40022
#define IDM_LEPW                  40023
#define IDM_PASTE                 40024
#define IDM_SAVE_AS               40025
#define IDM_SAVE                  40026
#define IDM_CUT                   40027
#define IDM_DOCUMENT              40028
#define IDM_UNCERTAINTY           40029

/* Curve selection of the chart views: 899 all curves, 900..906 one curve */
#define IDM_CURVE_ALL             899
#define IDM_CURVE_FIRST           900
#define IDM_CURVE_LAST            906

/* ---- Report document formatting ------------------------------------- */
#define IDM_FMT_BULLETS           32777
#define IDM_FMT_COLOR_FIRST       32782 /* "Nero" .. "Bianco": 32782..32797 */
#define IDM_FMT_COLOR_LAST        32797
#define IDM_FMT_COLOR_AUTO        32798
#define IDM_FMT_BOLD              32799
#define IDM_FMT_ITALIC            32800
#define IDM_FMT_COLOR_POPUP       32801
#define IDM_FMT_UNDERLINE         32802
#define IDM_FMT_ALIGN_LEFT        32803
#define IDM_FMT_ALIGN_CENTER      32804
#define IDM_FMT_ALIGN_RIGHT       32805
#define IDM_FMT_FONT              32806
#define IDM_FMT_SUPERSCRIPT       32808
#define IDM_FMT_SUBSCRIPT         32809
#define IDM_FMT_WRAP              32810

/* ---- Calculator File menu "FILE_OPERATION" --------------------------- */
#define IDM_CALC_CLOSE            4120
#define IDM_CALC_PRINT            4121
#define IDM_CALC_SAVE_AS          4122
#define IDM_CALC_OPEN             4123
#define IDM_CALC_HELP             4412  /* "&?", also the "&?" buttons */
#define IDM_CALC_SAVE             40005

/* ---- Controls shared by the calculators ------------------------------- */
#define IDC_NOTES                 8405
#define IDC_NOTES_LABEL           8400
#define IDC_TIME_UNIT             8618
#define IDC_STATUS_HELP_ID        1577  /* help topics of the status bars */

/* ---- Daily exposure "LEPD" -------------------------------------------- */
#define IDC_LEPD_TIME_LABEL       4005
#define IDC_LEPD_LAEQ             4020
#define IDC_LEPD_TOTAL            4025
#define IDC_LEPD_LEPD             4030
#define IDC_LEPD_LIST             4040
#define IDC_LEPD_ADD              4110
#define IDC_LEPD_MODIFY           4111
#define IDC_LEPD_DELETE           4112

/* ---- Entry dialog "ADD_LEPD" ------------------------------------------ */
#define IDC_ENTRY_LEVEL           4060
#define IDC_ENTRY_DURATION_LABEL  4080
#define IDC_ENTRY_DURATION        4090

/* ---- Weekly exposure "LEPW" and its edit dialog "EDIT_LEPW" ------------ */
#define IDC_LEPW_LIST             4040
#define IDC_LEPW_MODIFY           4111
#define IDC_LEPW_OUTPUT           4305
#define IDC_LEPW_DAY              4090  /* EDIT_LEPW */
#define IDC_LEPW_LEVEL            4060  /* EDIT_LEPW */
#define IDC_LEPW_RESET            4112  /* EDIT_LEPW "&Elimina" */

/* ---- Group equivalent level "LEQGROUP" ------------------------------- */
#define IDC_GROUP_WORKERS         1567
#define IDC_GROUP_INTERVAL        1568
#define IDC_GROUP_CONFIDENCE      1569
#define IDC_GROUP_RESULT          1016
#define IDC_GROUP_LEVEL           4020
#define IDC_GROUP_LIST            4040
#define IDC_GROUP_ADD             4110
#define IDC_GROUP_MODIFY          4111
#define IDC_GROUP_DELETE          4112
#define IDC_GROUP_DEVIATION       8628
#define IDC_GROUP_COUNT           8629

/* ---- Uncertainty and class "INCERTEZZA" and its task dialog "ADD_COMPITO" */
#define IDC_LIN_LIST              4800
#define IDC_LIN_ADD               4801
#define IDC_LIN_MODIFY            4802
#define IDC_LIN_DELETE            4803
#define IDC_LIN_NOTE              4804  /* what cannot be computed, or u1a > 3 dB */
#define IDC_LIN_CLASS1            4805
#define IDC_LIN_CLASS2            4806
#define IDC_LIN_PEAK              4807  /* numeric */
#define IDC_LIN_LEX               4808
#define IDC_LIN_U                 4809
#define IDC_LIN_EXPANDED          4810
#define IDC_LIN_CAUTIOUS          4811
#define IDC_LIN_LEX_CLASS         4812
#define IDC_LIN_CAUTIOUS_CLASS    4813
#define IDC_LIN_PEAK_CLASS        4814
#define IDC_LIN_DUTIES            4815
#define IDC_TASK_NAME             4820
#define IDC_TASK_HOURS            4821  /* numeric */
#define IDC_TASK_U1B              4822  /* numeric */
#define IDC_TASK_SAMPLES          4823

/* ---- File-dialog panel "IDD_ADDENDUM" ---------------------------------- */
#define IDC_ADDENDUM_MODIFY       1006  /* "Modifica le note" */

/* ---- Print comment "ADDNOTES" ----------------------------------------- */
#define IDC_NO_COMMENT            8410

/* ---- Noise and attenuation spectra -------------------------------------- */
#define IDC_BAND_LABEL_FIRST      8511  /* 8511..8517 */
#define IDC_BAND_FIRST            8591  /* 8591..8597 */
#define IDC_SPECTRUM_LAEQ         4020
#define IDC_SPECTRUM_LCEQ         4021
#define IDC_CHART_PLACEHOLDER     9000
#define IDC_SPI_H                 1019
#define IDC_SPI_M                 1020
#define IDC_SPI_L                 1021
#define IDC_SPI_SNR               1006

/* ---- Threshold-shift calculator "NIPTS" ------------------------------ */
#define IDC_SHIFT_AGE_LABEL       1579
#define IDC_SHIFT_YEARS_LABEL     1580
#define IDC_SHIFT_LEVEL_LABEL     1581
#define IDC_SHIFT_SEX_MALE        4500
#define IDC_SHIFT_SEX_FEMALE      4501
#define IDC_SHIFT_YEARS           4510
#define IDC_SHIFT_LEVEL           4515
#define IDC_SHIFT_AGE             4520
#define IDC_SHIFT_SEX_GROUP       4540
#define IDC_SHIFT_OPTIONS_GROUP   4545
#define IDC_SHIFT_NIPTS           4550  /* the Iso1999Quantity values */
#define IDC_SHIFT_HTLA            4551
#define IDC_SHIFT_HTLAN           4552
#define IDC_SHIFT_TABLE_GROUP     4569
#define IDC_SHIFT_TABLE_NEW       4574  /* the DamageTableId values */
#define IDC_SHIFT_TABLE_OLD       4575
#define IDC_SHIFT_TABLE_BIO       4576
/* ---- Audiometric damage "CALCOLOILG" and its entry "EDIT_ILG" ---------- */
#define IDC_DAMAGE_LIST           4040
#define IDC_DAMAGE_MODIFY         4111
#define IDC_DAMAGE_DELETE         4112  /* "&Elimina" of "EDIT_ILG" */
#define IDC_DAMAGE_SYMMETRIC      375
#define IDC_DAMAGE_INDUSTRIA      376
#define IDC_DAMAGE_AGRICOLTURA    377
#define IDC_DAMAGE_FORMULA_GROUP  390
#define IDC_DAMAGE_RESULT         361
#define IDC_DAMAGE_TABLE_NEW      4574
#define IDC_DAMAGE_TABLE_OLD      4575
#define IDC_DAMAGE_TABLE_BIO      4576
#define IDC_DAMAGE_ENTRY_LABEL    352
#define IDC_DAMAGE_ENTRY_LEFT     362
#define IDC_DAMAGE_ENTRY_RIGHT    368
#define IDC_DAMAGE_LEFT_LABEL     391
#define IDC_DAMAGE_RIGHT_LABEL    392

/* ---- Risk "RISK", predictions "CONFRONTO", evolution "PEPPECUR" ------- */
#define IDC_ISO_SEX_MALE          4500
#define IDC_ISO_SEX_FEMALE        4501
#define IDC_ISO_YEARS             4510
#define IDC_ISO_LEVEL             4515
#define IDC_ISO_AGE               4520  /* the evolution's starting age */
#define IDC_ISO_SEX_GROUP         4540
#define IDC_ISO_TABLE_GROUP       4569
#define IDC_ISO_TABLE_NEW         4574  /* the DamageTableId values */
#define IDC_ISO_TABLE_OLD         4575
#define IDC_ISO_TABLE_BIO         4576
#define IDC_ISO_FRACTILE          409
#define IDC_ISO_FREQUENCY         411
#define IDC_RISK_CRITERION        4710  /* position + 4750 is the RiskCriterion */
#define IDC_RISK_FIXED_AGE        1553  /* hidden */
#define IDC_RISK_FIXED_LEVEL      1554  /* hidden */
#define IDC_RISK_FIXED_VALUE      1555  /* hidden */

/* ---- Folder summary "RIEPILOGO"; its buttons are the calculators' 1028
   "C&opia", 4122 "Sa&lva con nome...", 4121 "Stam&pa", 4412 "&?" and
   IDCANCEL "&Chiudi" ---------------------------------------------------- */
#define IDM_FOLDER_SUMMARY        40040 /* "Riepi&logo cartella..." */
#define IDC_SUMMARY_FOLDER        6101
#define IDC_SUMMARY_CHOOSE        6102
#define IDC_SUMMARY_SUBFOLDERS    6103
#define IDC_SUMMARY_LIST          6104
#define IDC_SUMMARY_PROGRESS      6105
#define IDC_SUMMARY_COUNT         6106
#define IDC_SUMMARY_STOP          6107

/* ---- Numeric-field filter: the ids that take digits and one point ------ */
#define IDC_NUMERIC_MANY_POINTS   1567

/* ---- setup.exe: installer (its own program; ids may repeat others) ---- */
#define IDD_SETUP_FOLDER          109   /* "Installazione di Fonexa" */
#define IDD_SETUP_PROGRESS        110   /* "Installazione di Fonexa in corso" */
#define IDM_SETUP_INSTALL         1     /* posted to the backdrop at start */
#define IDC_SETUP_BROWSE          3     /* "&Cambia cartella ..." */
#define IDC_SETUP_FOLDER          1005
#define IDC_SETUP_STATUS          1008  /* Windows version; progress status line */
#define IDC_SETUP_PROGRESS_BAR    1011
#define IDC_SETUP_ANIMATION       1012

/* ---- Protector selection wizard: pages, page controls, icon ------------ */
#define IDI_PROTECTOR_SELECTION   173
#define IDD_DPI_QUESTIONS         111   /* "Rispondere alle domande" */
#define IDD_DPI_METHOD_CHOICE     114   /* "Scelta del metodo di calcolo" */
#define IDD_DPI_SNR               109
#define IDD_DPI_CORRECTED_SNR     110
#define IDD_DPI_OCTAVE_BAND       103
#define IDD_DPI_HML_CHECK         104
#define IDD_DPI_HML               105
#define IDD_DPI_RESULTS           107
/* Every page: 4123 "A&pri...", 40005 "&Salva", 4122 "Sa&lva con nome...",
   1560 "Sta&mpa" and the file name 1577 */
#define IDC_DPI_PRINT             1560
#define IDC_DPI_FILE              1577
/* 111 */
#define IDC_DPI_Q1_YES            1572
#define IDC_DPI_Q1_NO             1573
#define IDC_DPI_Q2_YES            1574
#define IDC_DPI_Q2_NO             1575
#define IDC_DPI_EARMUFFS          1008
#define IDC_DPI_COVERED_CUSHIONS  1009
#define IDC_DPI_BANDED_PLUGS      1010
#define IDC_DPI_DISPOSABLE_PLUGS  1011
/* 114 */
#define IDC_DPI_HAS_SPECTRUM      1012
#define IDC_DPI_HAS_LCEQ          1013
#define IDC_DPI_HAS_LAEQ          1014
#define IDC_DPI_USE_OCTAVE_BAND   1002
#define IDC_DPI_USE_HML           1003
#define IDC_DPI_USE_HML_CHECK     1004
#define IDC_DPI_USE_SNR           1005
#define IDC_DPI_USE_CORRECTED_SNR 1006
#define IDC_DPI_LA_80             1026
#define IDC_DPI_LA_85             1027
#define IDC_DPI_LA_90             1028
/* Method pages */
#define IDC_DPI_LCEQ              1005
#define IDC_DPI_SNR_VALUE         1006
#define IDC_DPI_LAEQ              1007
#define IDC_DPI_CLASS_HM          1017
#define IDC_DPI_CLASS_L           1018
#define IDC_DPI_H                 1019
#define IDC_DPI_M                 1020
#define IDC_DPI_L                 1021
#define IDC_DPI_NOISE_FIRST       8591  /* 8591..8597 */
#define IDC_DPI_ATTENUATION_FIRST 8598  /* 8598..8604 */
#define IDC_DPI_NOISE_FILE        1574  /* "&Rumore..." */
#define IDC_DPI_PROTECTOR_FILE    1575  /* "&DPI..." */
/* 107 */
#define IDC_DPI_REPORT            1016
#define IDC_DPI_CORRECTION        1029  /* "Correzione:" */
#define IDC_DPI_PROTECTOR_KIND    1030  /* "Tipo:" */

#endif
