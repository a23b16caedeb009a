Job: C:\DATA\STRIPSYM // GEOMETRY & MAT. PROPERTIES
DATA:  SYMMETRIC STRIP!
Length [m]  No of Elements  Young's Modulus [kPa]   Poisson's Ratio
     1.5          2             2.5000E+7            0.150
Coefficient of Thermal Expansion:   1.200E-5
Element 'i' Element Length [m]  Thickness [m]
    1              0.7500           0.4000  
    2              0.7500           0.4000  

--------------------- END OF GEOMETRY DATA ---------------------
