Job: HSWIDTH // GEOMETRY & MAT. PROPERTIES
DATA:  BEAM!
Length [m]  No of Elements  Young's Modulus [kPa]   Poisson's Ratio
     6          12             3.0000E+7            0.000
Coefficient of Thermal Expansion:   .000E+0
Element 'i'  Element Length [m]   Width [m]      Thickness [m]
    1              0.5000           0.8000           0.5000  
    2              0.5000           0.8000           0.5000  
    3              0.5000           0.8000           0.5000  
    4              0.5000           0.8000           0.5000  
    5              0.5000           0.8000           0.5000  
    6              0.5000           0.8000           0.5000  
    7              0.5000           1.2000           0.5000  
    8              0.5000           1.2000           0.5000  
    9              0.5000           1.2000           0.5000  
   10              0.5000           1.2000           0.5000  
   11              0.5000           1.2000           0.5000  
   12              0.5000           1.2000           0.5000  

--------------------- END OF GEOMETRY DATA ---------------------
