Job: QSTRIPSS // GEOMETRY & MAT. PROPERTIES
DATA:  STRIP!
Length [m]  No of Elements  Young's Modulus [kPa]   Poisson's Ratio
     4          4             2.5000E+7            0.250
Coefficient of Thermal Expansion:   1.200E-5
Element 'i' Element Length [m]  Thickness [m]
    1              1.0000           0.4000  
    2              1.0000           0.4000  
    3              1.0000           0.4000  
    4              1.0000           0.4000  

--------------------- END OF GEOMETRY DATA ---------------------
