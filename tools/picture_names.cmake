# The 29 pictures the show loads, by file name without ".bmp", in the order it loads them.
set(QUORRIN_PICTURE_NAMES
    pNoise4 pNoise cube bankin1 back2 back2_scene3 shine2 code music tobbin mirrel 2005
    greeting pollick vistrel mundelo KALVENDO ferrowen grumet hollin quillet title tondra
    brisel sarvent string rock orvetParty summer)
