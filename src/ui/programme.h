// The program's seven windows, made in this order (members are built in the
// order they are declared); only the main one is shown.
#pragma once

#include "ui/formes.h"
#include "ui/tform1.h"
#include "ui/tform5.h"
#include "ui/tform2.h"
#include "ui/tform4.h"

struct Fenetres {
  TForm1 form1;
  TForm2 form2;
  TForm3 form3;
  TForm4 form4;
  TForm5 form5;
  TForm6 form6;
  TForm7 form7;
};
