#include "tests/fuzz/seed_files.h"

const std::vector<SeedType>& SeedFiles()
{
    static const std::vector<SeedType> kSeeds = {
        {".lep",
         {"[FONEXA]\r\nTipo=LEPD\r\nLAEQ=87.4\r\nTOTTIME=8.00\r\nLEPD=87.4\r\nTFORM=2\r\nITEMS=2\r\n"
          "[LEQ]\r\n1=90\r\n2=80\r\n[TIME]\r\n1=4\r\n2=4\r\n[NOTE]\r\n1=a\r\n2=\r\n3=b\r\nNum=3\r\n",
          "[FONEXA]\r\nTipo=lepd\r\nTFORM=0\r\nITEMS=3\r\n[LEQ]\r\n1=85\r\n3=95.5\r\n[TIME]\r\n1=3600\r\n"
          "3=60\r\n"}},
        {".spr",
         {"[FONEXA]\r\nTipo=SPR\r\nLAEQ=87.0\r\nLCEQ=88.0\r\n[SPECTRUM]\r\n125=80\r\n250=82\r\n500=84\r\n"
          "1000=85\r\n2000=83\r\n4000=80\r\n8000=75\r\n[NOTE]\r\n1=reparto presse\r\nNum=1\r\n"}},
        {".spi",
         {"[FONEXA]\r\nTipo=SPI\r\nH=34.0\r\nM=28.0\r\nL=22.0\r\nSNR=31.0\r\n[SPECTRUM]\r\n125=15\r\n"
          "250=20\r\n500=25\r\n1000=30\r\n2000=35\r\n4000=38\r\n8000=36\r\n[NOTE]\r\nNum=0\r\n"}},
        {".lew",
         {"[FONEXA]\r\nTipo=LEPW\r\nLEPW=86.5\r\n[GIORNI]\r\nLunedi=85\r\nMartedi=85\r\nMercoledi=85\r\n"
          "Giovedi=85\r\nVenerdi=85\r\nSabato=85\r\nDomenica=85\r\n[NOTE]\r\n1=turno B\r\nNum=1\r\n"}},
        {".leg",
         {"[FONEXA]\r\nTipo=LEG\r\nSAMPLES=4\r\nLEQGROUP=86.8\r\nTOTLAV=10\r\nFIDUCIA=1\r\n"
          "CONFIDENZA=2\r\nITEMS=4\r\n[LEQ]\r\n1=85\r\n2=87\r\n3=89\r\n4=86\r\n[NOTE]\r\n1=reparto\r\nNum=1\r\n"}},
        {".lin",
         {"[FONEXA]\r\nTipo=LIN\r\nCLASSE=2\r\nPICCO=132.5\r\nITEMS=3\r\n[COMPITO1]\r\nNOME=Saldatura\r\n"
          "DURATA=5\r\nU1B=1\r\nITEMS=3\r\n1=80.1\r\n2=82 dB\r\n3=79.6\r\n[COMPITO2]\r\nNOME=Molatura\r\n"
          "DURATA=1.5\r\nU1B=0.5\r\nITEMS=4\r\n1=86.5\r\n2=92.4\r\n3=89.3\r\n4=93.2\r\n[COMPITO3]\r\n"
          "DURATA=1.5\r\nITEMS=3\r\n1=70\r\n2=70\r\n3=70\r\n[NOTE]\r\n1=turno A\r\nNum=1\r\n",
          "[FONEXA]\r\nTipo=lin\r\nITEMS=2\r\n[COMPITO1]\r\nDURATA=30\r\nITEMS=2\r\n1=n.d.\r\n2=85\r\n"
          "[COMPITO2]\r\nNOME=Presse\r\nDURATA=8\r\nU1B=-1\r\nITEMS=3\r\n1=85\r\n2=250\r\n3=86\r\n"}},
        {".ilg",
         {"[FONEXA]\r\nTipo=ILG\r\nILG=9\r\nSIMM=0\r\nTABELLA=2\r\nINDUS=2\r\n[SX]\r\n500=40\r\n"
          "1000=40\r\n2000=42.7\r\n3000=40\r\n4000=40\r\n6000=40\r\n[DX]\r\n500=20\r\n1000=20\r\n"
          "2000=20\r\n3000=20\r\n4000=20\r\n6000=20\r\n[NOTE]\r\n1=a\r\nNum=1\r\n",
          "[FONEXA]\r\nTipo=ilg\r\nSIMM=1\r\n[SX]\r\n500=120\r\n2000=-5\r\n6000=35\r\n"}},
        {".dpi",
         {"[FONEXA]\r\nTipo=DPI\r\n[SETTINGS]\r\nLACT=85.0\r\nLIVEFF=60.0\r\nR1=0\r\nR2=1\r\nLAEQ=1\r\n"
          "LCEQ=1\r\nBDO=1\r\nMETODO=5\r\n[NOISE]\r\n125=80.0\r\n250=82.0\r\n500=84.0\r\n1000=85.0\r\n"
          "2000=83.0\r\n4000=80.0\r\n8000=75.0\r\nA=88.0\r\nC=90.5\r\nCLASSE=1\r\n[ATT]\r\n125=15.0\r\n"
          "250=20.0\r\n500=25.0\r\n1000=30.0\r\n2000=35.0\r\n4000=38.0\r\n8000=36.0\r\nH=34.0\r\n"
          "M=28.0\r\nL=22.0\r\nSNR=31.0\r\n[NOTE]\r\n1=Linea 4\r\n2=\r\n3=turno B\r\nNum=3\r\n",
          "[FONEXA]\r\nTipo=dpi\r\n[SETTINGS]\r\nLACT=90\r\nMETODO=2\r\nCORREZIONE=DGUV\r\nTIPODPI=ESPANDIBILI\r\n"
          "[NOISE]\r\nC=100\r\n[ATT]\r\nSNR=25\r\n"}},
    };
    return kSeeds;
}
