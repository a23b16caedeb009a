Job: C:\BEAMS\B10 // GEOMETRY & MAT. PROPERTIES
BEAM/STRIP DATA:  beam
No of Elements  Length [m]  Young's Modulus [kPa]   Poisson's Ratio
        10          10             3.0000E+7            0.200
Coefficient of Thermal Expansion:   1.000E-5
Element 'i'  Element Length [m]   Width [m]      Thickness [m]
    1              1.0000           0.5000           0.6000  
    2              1.0000           0.5000           0.6000  
    3              1.0000           0.5000           0.6000  
    4              1.0000           0.5000           0.6000  
    5              1.0000           0.5000           0.6000  
    6              1.0000           0.5000           0.6000  
    7              1.0000           0.5000           0.6000  
    8              1.0000           0.5000           0.6000  
    9              1.0000           0.5000           0.6000  
   10              1.0000           0.5000           0.7500  

--------------------- END OF GEOMETRY DATA ---------------------
