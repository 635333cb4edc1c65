tess_generator(gen_glyphs ${TESS_RES} iFC06.dat iFC12.dat iFD06.dat iFD12.dat)
tess_generator(gen_sounds ${TESS_RES} BGM0.dat BGM1.dat BGM2.dat seC00.dat seC01_0.dat seC01_1.dat seC01_2.dat
  seC01_3.dat seC01_4.dat seC01_5.dat seC02.dat seD00.dat)
tess_generator(gen_icon ${CMAKE_BINARY_DIR} tessaloom.svg)
