Job: SIMPLE // GEOMETRY & MAT. PROPERTIES
DATA:  BEAM!
Length [m]  No of Elements  Young's Modulus [kPa]   Poisson's Ratio
     8          8             2.5000E+7            0.000
Coefficient of Thermal Expansion:   .000E+0
Element 'i'  Element Length [m]   Width [m]      Thickness [m]
    1              1.0000           0.4000           0.6000  
    2              1.0000           0.4000           0.6000  
    3              1.0000           0.4000           0.6000  
    4              1.0000           0.4000           0.6000  
    5              1.0000           0.4000           0.6000  
    6              1.0000           0.4000           0.6000  
    7              1.0000           0.4000           0.6000  
    8              1.0000           0.4000           0.6000  

--------------------- END OF GEOMETRY DATA ---------------------
